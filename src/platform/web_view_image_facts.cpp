#include "analysis/image_details.h"
#include "platform/string_conversions.h"
#include "platform/web_view_impl.h"

namespace quillet::platform {

namespace {

// Its own world: the page's scripts cannot see it, nor replace the DOM methods it calls.
constexpr const char* kImageWorld = "quillet-image-facts";

// [elements, backgrounds, left out]: each element as [current source, element, natural width,
// natural height, shown width, shown height, alt or null, has width and height, has a lazy source,
// in a frame], each background as [address, selector, in a frame].
constexpr const char* kImageFactsScript = R"js((() => {
  const bound = 100000;
  const elements = [], backgrounds = [];
  let leftOut = 0;
  const lazy = ['data-src', 'data-srcset', 'data-lazy-src', 'data-original'];
  const selector = (e) => e.localName + (e.id ? '#' + e.id : (e.classList.length ? '.' + e.classList[0] : ''));
  const source = (e) => {
    switch (e.localName) {
    case 'img': return e.currentSrc || e.src;
    case 'input': return (e.type || '').toLowerCase() == 'image' ? e.src : '';
    case 'video': return e.poster;
    default: {
      const href = e.href && e.href.baseVal;
      return href ? new URL(href, e.baseURI).href : '';
    }
    }
  };
  // Computing the style of every element costs more than the rest of the read; only those that a
  // rule, an inline style or a background attribute may give a background image need it. A sheet
  // whose rules cannot be read (another origin's), or a background set by an animation, leaves
  // every element to look at.
  const setsBackground = (style) => {
    const image = style.backgroundImage;
    return image ? image != 'none' && image != 'initial' : /background[^;]*var\(/i.test(style.cssText);
  };
  const backgroundCandidates = (doc) => {
    const selectors = ['[style]', '[background]'];
    let everyElement = false;
    const visitRules = (rules) => {
      for (const rule of rules) {
        if (rule.styleSheet)
          visitSheet(rule.styleSheet);
        else if (rule.style && setsBackground(rule.style)) {
          if (rule.selectorText)
            selectors.push(rule.selectorText);
          else
            everyElement = true;
        }
        if (rule.cssRules)
          visitRules(rule.cssRules);
      }
    };
    const visitSheet = (sheet) => {
      let rules = null;
      try { rules = sheet.cssRules; } catch (error) { }
      if (rules)
        visitRules(rules);
      else
        everyElement = true;
    };
    for (const sheet of doc.styleSheets)
      visitSheet(sheet);
    for (const sheet of doc.adoptedStyleSheets || [])
      visitSheet(sheet);
    if (everyElement)
      return doc.querySelectorAll('*');
    // A selector the engine styles by but cannot query (one of a pseudo-element) would fail the
    // whole list; an empty fragment tells it without a walk of the document.
    const fragment = doc.createDocumentFragment();
    const queryable = (s) => { try { fragment.querySelector(s); return true; } catch (error) { return false; } };
    return doc.querySelectorAll(selectors.filter(queryable).join(', '));
  };
  const read = (doc, inFrame) => {
    for (const e of doc.querySelectorAll('img, input, video[poster], svg image')) {
      const url = source(e);
      if (!url)
        continue;
      if (elements.length == bound) { ++leftOut; continue; }
      const box = e.getBoundingClientRect();
      const img = e.localName == 'img';
      elements.push([url, e.localName, img ? e.naturalWidth : 0, img ? e.naturalHeight : 0,
        Math.round(box.width), Math.round(box.height), e.hasAttribute('alt') ? e.getAttribute('alt') : null,
        e.hasAttribute('width') && e.hasAttribute('height'), lazy.some((a) => e.hasAttribute(a)), inFrame]);
    }
    const view = doc.defaultView;
    for (const e of backgroundCandidates(doc)) {
      const image = view.getComputedStyle(e).backgroundImage;
      if (!image || image == 'none')
        continue;
      for (const m of image.matchAll(/url\("((?:[^"\\]|\\.)*)"\)/g)) {
        if (backgrounds.length == bound) { ++leftOut; continue; }
        backgrounds.push([m[1].replace(/\\(.)/g, '$1'), selector(e), inFrame]);
      }
    }
    for (const frame of doc.querySelectorAll('iframe, frame')) {
      let inner = null;
      try { inner = frame.contentDocument; } catch (error) { }
      if (inner && inner.documentElement)
        read(inner, true);
    }
  };
  read(document, false);
  return [elements, backgrounds, leftOut];
})())js";

struct ImageFactsRead {
    // Taken as the read starts: the view may be gone when its answer comes.
    std::vector<LoadedResource> resources;
    std::size_t resources_left_out = 0;
    GObjectPtr<GCancellable> cancellable;
    std::function<void(EngineImageFacts)> done;
};

GObjectPtr<JSCValue> item(JSCValue* array, unsigned index)
{
    return GObjectPtr<JSCValue>(jsc_value_object_get_property_at_index(array, index));
}

std::optional<std::string> text_item(JSCValue* array, unsigned index)
{
    const auto value = item(array, index);
    if (!jsc_value_is_string(value.get()))
        return std::nullopt;
    return to_string(GCharPtr(jsc_value_to_string(value.get())));
}

unsigned number_item(JSCValue* array, unsigned index)
{
    const auto value = item(array, index);
    const double number = jsc_value_is_number(value.get()) ? jsc_value_to_double(value.get()) : 0;
    return number > 0 && number < 1e9 ? static_cast<unsigned>(number) : 0;
}

bool flag_item(JSCValue* array, unsigned index)
{
    return jsc_value_to_boolean(item(array, index).get());
}

// Each array of `list`, as `make` reads it.
template <typename Make>
void for_each_array(JSCValue* list, Make make)
{
    const GObjectPtr<JSCValue> length(jsc_value_object_get_property(list, "length"));
    const unsigned count = jsc_value_is_number(length.get()) ? static_cast<unsigned>(jsc_value_to_int32(length.get())) : 0;
    for (unsigned i = 0; i < count; ++i) {
        const auto entry = item(list, i);
        if (jsc_value_is_array(entry.get()))
            make(entry.get());
    }
}

EngineImageFacts image_facts(JSCValue* value)
{
    EngineImageFacts facts;
    if (!value || !jsc_value_is_array(value))
        return facts;
    for_each_array(item(value, 0).get(), [&](JSCValue* e) {
        facts.elements.push_back({text_item(e, 0).value_or(""), text_item(e, 1).value_or(""), number_item(e, 2),
                                  number_item(e, 3), number_item(e, 4), number_item(e, 5), text_item(e, 6),
                                  flag_item(e, 7), flag_item(e, 8), flag_item(e, 9)});
    });
    for_each_array(item(value, 1).get(), [&](JSCValue* b) {
        facts.backgrounds.push_back({text_item(b, 0).value_or(""), text_item(b, 1).value_or(""), flag_item(b, 2)});
    });
    facts.left_out = number_item(value, 2);
    return facts;
}

void on_image_facts_read(GObject* source, GAsyncResult* result, gpointer data)
{
    const std::unique_ptr<ImageFactsRead> read(static_cast<ImageFactsRead*>(data));
    GErrorHolder error;
    const GObjectPtr<JSCValue> value(
        webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), result, error.out()));
    if (g_cancellable_is_cancelled(read->cancellable.get()))
        return;
    EngineImageFacts facts = image_facts(value.get());
    facts.resources = std::move(read->resources);
    facts.left_out += read->resources_left_out;
    read->done(std::move(facts));
}

}

void WebView::read_image_facts(GCancellable* cancellable, std::function<void(EngineImageFacts)> done)
{
    auto* read = new ImageFactsRead{loaded_resources(*m_impl), m_impl->resource_log.left_out, add_ref(cancellable),
                                    std::move(done)};
    webkit_web_view_evaluate_javascript(m_impl->view.get(), kImageFactsScript, -1, kImageWorld, nullptr, cancellable,
                                        on_image_facts_read, read);
}

}
