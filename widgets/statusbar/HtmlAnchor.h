// Which anchors of status-panel markup may be handed to the desktop's
// opener: the renderer only reports an anchor, its caller decides.
#pragma once

#include <string_view>

// True for an "http://" or "https://" URL with a host, or a "mailto:"
// address, written without spaces or control characters; a "mailto:" that
// asks for an attachment is refused (the scheme in any case).
bool IsOpenableAnchor(std::string_view Anchor);
