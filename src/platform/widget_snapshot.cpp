#include "platform/widget_snapshot.h"

#include "platform/glib_ptr.h"
#include "platform/spare_web_processes.h"

#include <gtk/gtk.h>

#include <memory>

namespace quillet::platform {

namespace {

struct RenderNodeUnref {
    void operator()(GskRenderNode* node) const { gsk_render_node_unref(node); }
};

using RenderNodePtr = std::unique_ptr<GskRenderNode, RenderNodeUnref>;

RenderNodePtr draw_widget(GtkWidget* widget, int width, int height)
{
    const GObjectPtr<GdkPaintable> paintable(gtk_widget_paintable_new(widget));
    GtkSnapshot* snapshot = gtk_snapshot_new();
    gdk_paintable_snapshot(paintable.get(), snapshot, width, height);
    return RenderNodePtr(gtk_snapshot_free_to_node(snapshot));
}

}

void prepare_web_views_for_window_pictures()
{
    g_setenv("WEBKIT_DISABLE_COMPOSITING_MODE", "1", TRUE);
    drop_spare_web_processes();
}

std::string save_widget_png(Gtk::Widget& widget, const std::filesystem::path& file)
{
    GtkWidget* native_widget = widget.gobj();
    const int width = gtk_widget_get_width(native_widget);
    const int height = gtk_widget_get_height(native_widget);
    GtkNative* native = gtk_widget_get_native(native_widget);
    if (width <= 0 || height <= 0 || native == nullptr || !gtk_widget_get_mapped(native_widget))
        return "the window is not shown";

    const RenderNodePtr node = draw_widget(native_widget, width, height);
    if (!node)
        return kNothingDrawn;
    graphene_rect_t viewport;
    graphene_rect_init(&viewport, 0.0F, 0.0F, static_cast<float>(width), static_cast<float>(height));
    const GObjectPtr<GdkTexture> texture(gsk_renderer_render_texture(gtk_native_get_renderer(native), node.get(),
                                                                     &viewport));
    if (!gdk_texture_save_to_png(texture.get(), file.c_str()))
        return "cannot write " + file.string();
    return {};
}

}
