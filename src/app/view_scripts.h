#pragma once

namespace quillet {

// Groups the listing (text, <BR> and links, straight in the body) into blocks of lines, whole lines
// each: every block's lines end with their own <BR>, so the blocks add no line of their own to what
// shows, is found or is copied. Then shows the body, whatever happened, and takes the keys that
// move to the listing's ends.
inline constexpr const char* kSourceCodeListingScript = R"js(
(() => {
    // Small blocks: the engine lays out, on showing the listing, only the few near the top.
    const linesPerBlock = 25;
    const body = document.body;
    try {
        if (!body)
            return;
        // The line ends, found first, mark where each block ends; a range moves each run of
        // lines in one step, which is far quicker than moving its nodes one by one.
        const lineEnds = body.querySelectorAll(':scope > br');
        const blocks = document.createDocumentFragment();
        const range = document.createRange();
        for (let end = linesPerBlock - 1; ; end += linesPerBlock) {
            range.setStart(body, 0);
            if (end < lineEnds.length)
                range.setEndAfter(lineEnds[end]);
            else
                range.setEnd(body, body.childNodes.length);
            if (range.collapsed)
                break;
            const block = blocks.appendChild(document.createElement('div'));
            block.className = 'listing-block';
            block.appendChild(range.extractContents());
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
