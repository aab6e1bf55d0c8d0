#pragma once

namespace quillet {

// Groups the listing (text, <BR> and links, straight in the body) into blocks of lines, whole lines
// each: every block's lines end with their own <BR>, so the blocks add no line of their own to what
// shows, is found or is copied. Then shows the body, whatever happened, and takes the keys that
// move to the listing's ends.
inline constexpr const char* kSourceCodeListingScript = R"js(
(() => {
    const linesPerBlock = 100;
    const body = document.body;
    try {
        if (!body)
            return;
        const blocks = document.createDocumentFragment();
        let block = null;
        let lines = 0;
        for (let node = body.firstChild; node; node = body.firstChild) {
            if (!block) {
                block = blocks.appendChild(document.createElement('div'));
                block.className = 'listing-block';
            }
            block.appendChild(node);
            if (node.nodeName === 'BR' && ++lines === linesPerBlock) {
                block = null;
                lines = 0;
            }
        }
        body.appendChild(blocks);
    } finally {
        document.documentElement.setAttribute('data-listing-grouped', '');
    }
    // Ctrl+Home and Ctrl+End go to the listing's ends, which the engine does not do outside an
    // editor. The blocks laid out on arriving at the end may change its height: it is sought again
    // once they are.
    addEventListener('keydown', (event) => {
        if (!event.ctrlKey || event.altKey || event.metaKey || event.shiftKey)
            return;
        const toEnd = () => scrollTo(scrollX, document.documentElement.scrollHeight);
        if (event.key === 'Home') {
            scrollTo(scrollX, 0);
        } else if (event.key === 'End') {
            toEnd();
            requestAnimationFrame(() => requestAnimationFrame(toEnd));
        } else {
            return;
        }
        event.preventDefault();
    });
})();
)js";

}
