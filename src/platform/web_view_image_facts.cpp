#include "analysis/image_details.h"
#include "platform/string_conversions.h"
#include "platform/web_view_impl.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace quillet::platform {

namespace {

// Its own world: the page's scripts cannot see it, nor replace the DOM methods it calls.
constexpr const char* kImageWorld = "quillet-image-facts";

// Elements, backgrounds and the number left out, each list's entries and each entry's fields ended
// by their own control character: each element as [current source, element, natural width, natural
// height, shown width, shown height, alt or null, has width and height, has a lazy source, in a
// frame], each background as [address, selector, in a frame]. A text is written with a leading "="
// and "%" escapes of "%", NUL and the three ends; null is empty; a flag is 1 or 0.
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
  // One string: the program takes it far faster than thousands of values one by one.
  const field = (v) => v === null ? '' : typeof v == 'string'
    ? '=' + v.replace(/[%\0\x1d-\x1f]/g, (c) => '%' + c.charCodeAt(0).toString(16).padStart(2, '0'))
    : typeof v == 'boolean' ? (v ? '1' : '0') : String(v);
  const section = (list) => list.map((entry) => entry.map(field).join('\x1f')).join('\x1e');
  return [section(elements), section(backgrounds), String(leftOut)].join('\x1d');
})())js";

struct ImageFactsRead {
    // Taken as the read starts: the view may be gone when its answer comes.
    std::vector<LoadedResource> resources;
    std::size_t resources_left_out = 0;
    GObjectPtr<GCancellable> cancellable;
    std::function<void(EngineImageFacts)> done;
};

constexpr char kSectionEnd = '\x1d';
constexpr char kEntryEnd = '\x1e';
constexpr char kFieldEnd = '\x1f';

// The parts of `text` between `end`s; none of an empty text.
std::vector<std::string_view> parts(std::string_view text, char end)
{
    std::vector<std::string_view> found;
    if (text.empty())
        return found;
    for (std::size_t start = 0;;) {
        const std::size_t at = text.find(end, start);
        found.push_back(text.substr(start, at - start));
        if (at == std::string_view::npos)
            return found;
        start = at + 1;
    }
}

std::optional<std::string> text_field(std::string_view field)
{
    if (!field.starts_with('='))
        return std::nullopt;
    std::string text;
    text.reserve(field.size() - 1);
    for (std::size_t i = 1; i < field.size(); ++i) {
        unsigned code = 0;
        if (field[i] == '%' && i + 2 < field.size() &&
            std::from_chars(field.data() + i + 1, field.data() + i + 3, code, 16).ptr == field.data() + i + 3) {
            text += static_cast<char>(code);
            i += 2;
        } else {
            text += field[i];
        }
    }
    return text;
}

unsigned number_field(std::string_view field)
{
    double number = 0;
    std::from_chars(field.data(), field.data() + field.size(), number);
    return number > 0 && number < 1e9 ? static_cast<unsigned>(number) : 0;
}

EngineImageFacts image_facts(JSCValue* value)
{
    EngineImageFacts facts;
    if (!value || !jsc_value_is_string(value))
        return facts;
    const std::string answer = to_string(GCharPtr(jsc_value_to_string(value)));
    const std::vector<std::string_view> sections = parts(answer, kSectionEnd);
    if (sections.size() != 3)
        return facts;
    for (const std::string_view entry : parts(sections[0], kEntryEnd)) {
        const auto f = parts(entry, kFieldEnd);
        if (f.size() == 10)
            facts.elements.push_back({text_field(f[0]).value_or(""), text_field(f[1]).value_or(""), number_field(f[2]),
                                      number_field(f[3]), number_field(f[4]), number_field(f[5]), text_field(f[6]),
                                      f[7] == "1", f[8] == "1", f[9] == "1"});
    }
    for (const std::string_view entry : parts(sections[1], kEntryEnd)) {
        const auto f = parts(entry, kFieldEnd);
        if (f.size() == 3)
            facts.backgrounds.push_back({text_field(f[0]).value_or(""), text_field(f[1]).value_or(""), f[2] == "1"});
    }
    facts.left_out = number_field(sections[2]);
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
