#pragma once

// Whether the clipboard holds text. Asking costs a round trip to the display
// server, so it is asked when a popup menu opens, not at every change.
bool AblageHatText();
