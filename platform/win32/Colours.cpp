#include "platform/win32/Colours.h"

namespace tremolux::win32 {

HelpColours HelpColoursFor(bool highContrast) {
    if (highContrast) {
        const Colour window = SystemColour(win::kColorWindow);
        const Colour link = SystemColour(win::kColorHotLight);
        return {false,
                window,
                SystemColour(win::kColorWindowText),
                window,
                link,
                SystemColour(win::kColorHighlight),
                SystemColour(win::kColorHighlightText),
                link};
    }
    const Colour yellow = Rgb(216, 216, 0);
    return {true,   Rgb(128, 128, 128), Rgb(0, 0, 128), yellow, Rgb(0, 0, 255),
            yellow, Rgb(62, 157, 232),  Rgb(128, 0, 0)};
}

}  // namespace tremolux::win32
