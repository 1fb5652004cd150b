// fontfit.exe FACE...: which installed face can stand in for SimSun in the
// help window, chosen by measuring. Each face is laid out as the help label
// lays out its text (12 pixels, bold, Chinese character set, word-wrapped to
// the label's client width); it fits when the whole text lies inside the
// label and the "   Email：" and "官方主页：" lines lie under their link
// boxes, as with SimSun on Windows. Prints a line of figures per face and,
// last, the first face that fits; exit 1 when none does.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "shell/HelpText.h"

namespace {

// The label at (2, 1), 542 by 631 with a one-pixel border; the link boxes
// at y 559 and 583, 20 high, in the help window's client area.
constexpr int kLabelTop = 1 + 1;
constexpr int kClientWidth = 542 - 2;
constexpr int kClientHeight = 631 - 2;
constexpr int kMailBox = 559;
constexpr int kHomeBox = 583;
constexpr int kBoxHeight = 20;

std::wstring Wide(const char* utf8) {
    const int needed = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide.data(), needed);
    wide.resize(wcslen(wide.c_str()));
    return wide;
}

// The height DrawText gives the text up to the end of the line that starts
// with `line`, in a client area of the width; the whole text's for none.
int HeightThrough(HDC dc, const std::wstring& text, const std::wstring& line, int width) {
    std::size_t end = text.size();
    if (!line.empty()) {
        const std::size_t start = text.find(L"\r\n" + line);
        end = std::min(text.find(L"\r\n", start + 2), text.size());
    }
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(end), &r,
              DT_CALCRECT | DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    return r.bottom;
}

HFONT SongFont(int height, const wchar_t* face) {
    return CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

// Whether the whole line lies under its box.
bool Under(int lineBottom, int lineHeight, int box) {
    const int bottom = kLabelTop + lineBottom;
    return bottom - lineHeight >= box && bottom <= box + kBoxHeight;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return 2;
    const std::wstring text = Wide(tremolux::kHelpText);
    const std::wstring mailLine = L"   Email";
    const std::wstring homeLine = Wide("官方主页");
    for (int i = 1; i < argc; ++i) {
        HFONT font = SongFont(-12, argv[i]);
        HGDIOBJ previous = SelectObject(dc, font);
        wchar_t chosen[LF_FACESIZE] = {};
        GetTextFaceW(dc, LF_FACESIZE, chosen);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        const int all = HeightThrough(dc, text, L"", kClientWidth);
        const int mail = HeightThrough(dc, text, mailLine, kClientWidth);
        const int home = HeightThrough(dc, text, homeLine, kClientWidth);
        SelectObject(dc, previous);
        DeleteObject(font);
        const bool fits = _wcsicmp(chosen, argv[i]) == 0 && all <= kClientHeight &&
                          Under(mail, metrics.tmHeight, kMailBox) &&
                          Under(home, metrics.tmHeight, kHomeBox);
        std::printf("%ls: line %ld, text %d of %d, Email line ends %d, home line ends %d%s\n",
                    argv[i], metrics.tmHeight, all, kClientHeight, mail, home,
                    fits ? ": fits" : "");
        if (fits) {
            char face[LF_FACESIZE * 3] = {};
            WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, face, sizeof face - 1, nullptr, nullptr);
            std::printf("%s\n", face);
            DeleteDC(dc);
            return 0;
        }
    }
    DeleteDC(dc);
    return 1;
}
