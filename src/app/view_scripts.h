#pragma once

namespace quillet {

// Groups the listing (text, <BR> and links, straight in the body) into blocks of lines, whole lines
// each: every block's lines end with their own <BR>, so the blocks add no line of their own to what
// shows, is found or is copied. Then shows the body, whatever happened.
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
})();
)js";

}
