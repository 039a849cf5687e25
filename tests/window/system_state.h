#ifndef TESSORIN_TESTS_WINDOW_SYSTEM_STATE_H
#define TESSORIN_TESTS_WINDOW_SYSTEM_STATE_H

// What the tests change of the system for a moment, the clipboard and its colours, and give
// back however they end.

#include "waiting.h"

#include <windows.h>

#include <cstring>
#include <map>
#include <string>

// The clipboard's contents: every format whose data is memory, by its number, with its bytes, and
// an enhanced metafile by its bits. A bitmap handle is kept as the device-independent bitmap that
// the system makes of it, a metafile picture as the enhanced metafile it is made from.
using ClipboardContents = std::map<UINT, std::string>;

inline ClipboardContents ReadClipboard() {
    ClipboardContents held;
    WaitUntil([] { return OpenClipboard(nullptr) != FALSE; });
    for (UINT f = EnumClipboardFormats(0); f != 0; f = EnumClipboardFormats(f)) {
        HANDLE data = GetClipboardData(f);
        if (f == CF_ENHMETAFILE) {
            auto* emf = static_cast<HENHMETAFILE>(data);
            held[f].resize(GetEnhMetaFileBits(emf, 0, nullptr));
            GetEnhMetaFileBits(emf, UINT(held[f].size()), reinterpret_cast<BYTE*>(held[f].data()));
        } else if (const void* bytes =
                       f != CF_METAFILEPICT && GlobalSize(data) ? GlobalLock(data) : nullptr) {
            held[f].assign(static_cast<const char*>(bytes), GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return held;
}

// Puts contents on the clipboard in place of what it held.
inline void WriteClipboard(const ClipboardContents& contents) {
    WaitUntil([] { return OpenClipboard(nullptr) != FALSE; });
    EmptyClipboard();
    for (const auto& [format, bytes] : contents) {
        const auto* bits = reinterpret_cast<const BYTE*>(bytes.data());
        HANDLE data = format == CF_ENHMETAFILE ? SetEnhMetaFileBits(UINT(bytes.size()), bits)
                                               : GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        if (format != CF_ENHMETAFILE) {
            memcpy(GlobalLock(data), bits, bytes.size());
            GlobalUnlock(data);
        }
        SetClipboardData(format, data);
    }
    CloseClipboard();
}

// The clipboard's contents as they are when the keeper is made, put back whole when it goes.
class ClipboardKeeper {
  public:
    ClipboardKeeper() : held_(ReadClipboard()) {}
    ~ClipboardKeeper() { WriteClipboard(held_); }

  private:
    ClipboardContents held_;
};

// The format whose presence keeps the clipboard out of Windows' clipboard history and cloud
// clipboard.
inline UINT HistoryMark() {
    return RegisterClipboardFormatA("ExcludeClipboardContentFromMonitorProcessing");
}

// System colours (COLOR_... with their values) in force while the guard lives; it gives back
// those it found when it goes, also where a test fails. SetSysColors changes them on Windows for
// every program, until logoff. Wine keeps each process's own table, read from the registry when
// it starts (where this process's came from): there the prefix's registry, the test's own, takes
// them too, for the programs started from now on. A person's registry is never written.
class SystemColours {
  public:
    explicit SystemColours(const std::map<INT, COLORREF>& colours) {
        for (const auto& [index, colour] : colours) {
            found_[index] = GetSysColor(index);
        }
        Set(colours);
    }
    ~SystemColours() { Set(found_); }
    SystemColours(const SystemColours&) = delete;
    SystemColours& operator=(const SystemColours&) = delete;

  private:
    static void Set(const std::map<INT, COLORREF>& colours) {
        for (const auto& [index, colour] : colours) {
            SetSysColors(1, &index, &colour);
            const std::string rgb = std::to_string(GetRValue(colour)) + " " +
                                    std::to_string(GetGValue(colour)) + " " +
                                    std::to_string(GetBValue(colour));
            const char* name = index == COLOR_BTNFACE   ? "ButtonFace"
                               : index == COLOR_WINDOW  ? "Window"
                               : index == COLOR_BTNTEXT ? "ButtonText"
                                                        : "WindowText";
            if (UnderWine()) {
                RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Colors", name, REG_SZ,
                                rgb.c_str(), DWORD(rgb.size() + 1));
            }
        }
    }
    std::map<INT, COLORREF> found_;
};

#endif
