#pragma once
// The top-level windows another process shows, and a player's hands on them: closing a window
// with its close button, giving it the keyboard, pressing keys and clicking into it. On X11 the
// input is real pointer and key events through xdotool's XTEST; on Windows it goes through
// SendInput, as the system's own input does.

#ifdef _WIN32
#include "platform/win32/WideText.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

class TDesktop
{
public:
    using TWindowId = HWND;
    struct TWindow
    {
        HWND Id;
        std::string Title;
    };

    bool Connected() const { return true; }

    std::vector<TWindow> ShownWindowsOf(int64_t pid)
    {
        TSearch search {static_cast<DWORD>(pid), {}};
        EnumWindows(&TDesktop::collect, reinterpret_cast<LPARAM>(&search));
        return search.Found;
    }

    // The window's client area as 0xRRGGBB, row by row; empty when it cannot be read.
    std::vector<uint32_t> Pixels(HWND window, int &width, int &height)
    {
        width = height = 0;
        RECT client {};
        if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0)
            return {};
        const int w = client.right;
        const int h = client.bottom;
        HDC windowDc = GetDC(window);
        HDC memoryDc = CreateCompatibleDC(windowDc);
        BITMAPINFO info {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void *bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(memoryDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        std::vector<uint32_t> pixels;
        if (bitmap) {
            HGDIOBJ old = SelectObject(memoryDc, bitmap);
            if (BitBlt(memoryDc, 0, 0, w, h, windowDc, 0, 0, SRCCOPY)) {
                GdiFlush();
                const auto *source = static_cast<const uint32_t *>(bits);
                pixels.assign(source, source + static_cast<std::size_t>(w) * h);
                for (uint32_t &pixel : pixels)
                    pixel &= 0xFFFFFF;
                width = w;
                height = h;
            }
            SelectObject(memoryDc, old);
            DeleteObject(bitmap);
        }
        DeleteDC(memoryDc);
        ReleaseDC(window, windowDc);
        return pixels;
    }

    void RequestClose(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

    bool Focus(HWND window) { return SetForegroundWindow(window) != 0; }

    // "alt+r", "Return", "Escape": the keys pressed together, then let go in reverse.
    bool PressKeys(const std::string &keys)
    {
        std::vector<WORD> pressed;
        std::size_t start = 0;
        while (start <= keys.size()) {
            const std::size_t end = std::min(keys.find('+', start), keys.size());
            const WORD key = virtualKey(keys.substr(start, end - start));
            if (key == 0)
                return false;
            pressed.push_back(key);
            start = end + 1;
        }
        std::vector<INPUT> inputs;
        for (const WORD key : pressed)
            inputs.push_back(keyInput(key, 0));
        for (auto key = pressed.rbegin(); key != pressed.rend(); ++key)
            inputs.push_back(keyInput(*key, KEYEVENTF_KEYUP));
        return send(inputs);
    }

    // A left click at a point of the window's client area.
    bool Click(HWND window, int x, int y)
    {
        POINT point {x, y};
        if (!ClientToScreen(window, &point) || !SetCursorPos(point.x, point.y))
            return false;
        std::vector<INPUT> inputs(2);
        inputs[0].type = inputs[1].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        return send(inputs);
    }

    bool MovePointer(HWND window, int x, int y)
    {
        POINT point {x, y};
        return ClientToScreen(window, &point) && SetCursorPos(point.x, point.y);
    }

private:
    struct TSearch
    {
        DWORD Pid;
        std::vector<TWindow> Found;
    };

    static BOOL CALLBACK collect(HWND window, LPARAM parameter)
    {
        auto &search = *reinterpret_cast<TSearch *>(parameter);
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid != search.Pid || !IsWindowVisible(window))
            return TRUE;
        wchar_t title[512] = {};
        GetWindowTextW(window, title, 512);
        search.Found.push_back({window, Narrow(title)});
        return TRUE;
    }

    static WORD virtualKey(const std::string &name)
    {
        if (name == "alt")
            return VK_MENU;
        if (name == "ctrl")
            return VK_CONTROL;
        if (name == "shift")
            return VK_SHIFT;
        if (name == "Return")
            return VK_RETURN;
        if (name == "Escape")
            return VK_ESCAPE;
        if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
            return static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
        return 0;
    }

    static INPUT keyInput(WORD key, DWORD flags)
    {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        return input;
    }

    static bool send(std::vector<INPUT> &inputs)
    {
        return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT))
            == inputs.size();
    }
};

#else
#include "X11Windows.h"

#include <QProcess>
#include <QString>
#include <QStringList>

class TDesktop : public TX11Display
{
public:
    using TWindowId = xcb_window_t;

    bool Focus(xcb_window_t window)
    {
        return xdotool({"windowfocus", "--sync", QString::number(window)});
    }
    bool PressKeys(const std::string &keys)
    {
        return xdotool({"key", QString::fromStdString(keys)});
    }
    bool Click(xcb_window_t window, int x, int y)
    {
        return xdotool({"mousemove", "--window", QString::number(window), QString::number(x),
            QString::number(y), "click", "1"});
    }
    bool MovePointer(xcb_window_t window, int x, int y)
    {
        return xdotool({"mousemove", "--window", QString::number(window), QString::number(x),
            QString::number(y)});
    }

private:
    static bool xdotool(const QStringList &arguments)
    {
        return QProcess::execute("xdotool", arguments) == 0;
    }
};
#endif
