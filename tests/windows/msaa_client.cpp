// A small MSAA client, run in the Wine prefix beside the program, that reads the program's window
// as a Windows screen reader does, and moves and sizes its frame through Win32.
//   msaa_client controls        one line per control: name, role, states, value, description
//   msaa_client events STOP     one line per event a screen reader hears, until the file STOP is
//                               there ("ready" first, once it listens)
//   msaa_client frame           the frame's styles and where its client area lies
//   msaa_client locations       one line per control: name, then its location (left, top,
//                               width, height) on the screen
//   msaa_client resize W H | move X Y | maximize | restore    then where the client area lies
//   msaa_client dpichanged DPI [FROM]    tells the window it is now on a monitor of DPI dots per
//                               inch, suggesting a frame whose client area is the present one
//                               scaled from FROM (96 unless given) to DPI; then where the client
//                               area lies
//   msaa_client setup COMMAND   any of those on the setup window, the one the lesson's owns
//   msaa_client menu            where the open popup menu is: its left and top on the screen
//   msaa_client clipboard       the clipboard's Unicode text
//   msaa_client type TEXT       types the text into the focused control, each UTF-16 unit a
//                               Unicode key press, as an input method gives it
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

namespace {
const IID accessibleInterface{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr DWORD liveRegionChangedEvent = 0x8019;

void print(const std::wstring &line)
{
    const std::wstring text = line + L"\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

std::wstring taken(BSTR text)
{
    std::wstring result = text != nullptr ? text : L"";
    SysFreeString(text);
    return result;
}

VARIANT self()
{
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

// The role and state come as numbers, which GetRoleText and GetStateText name.
std::wstring roleText(LONG role)
{
    wchar_t text[80] = L"";
    GetRoleTextW(DWORD(role), text, 80);
    return text;
}

// The state bits by their names, joined by commas.
std::wstring stateText(LONG state)
{
    std::wstring names;
    for (DWORD bit = 1; bit != 0; bit <<= 1)
        if ((DWORD(state) & bit) != 0) {
            wchar_t text[80] = L"";
            GetStateTextW(bit, text, 80);
            names += (names.empty() ? L"" : L",") + std::wstring(text);
        }
    return names;
}

template <typename Get> std::wstring numberText(Get get, std::wstring (*name)(LONG))
{
    VARIANT number;
    VariantInit(&number);
    if (FAILED(get(&number)) || number.vt != VT_I4)
        return L"?";
    return name(number.lVal);
}

std::wstring describe(IAccessible &object, VARIANT child)
{
    BSTR name = nullptr;
    BSTR value = nullptr;
    BSTR description = nullptr;
    object.get_accName(child, &name);
    object.get_accValue(child, &value);
    object.get_accDescription(child, &description);
    const std::wstring role =
        numberText([&](VARIANT *out) { return object.get_accRole(child, out); }, roleText);
    const std::wstring state =
        numberText([&](VARIANT *out) { return object.get_accState(child, out); }, stateText);
    return taken(name) + L"\t" + role + L"\t" + state + L"\t" + taken(value) + L"\t" +
           taken(description);
}

// The program's windows share a class: the lesson's has no owner, the setup window's is the
// lesson's.
HWND formWindow(bool owned)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (HWND window = FindWindowExW(nullptr, nullptr, L"TaviloForm", nullptr);
             window != nullptr; window = FindWindowExW(nullptr, window, L"TaviloForm", nullptr))
            if ((GetWindow(window, GW_OWNER) != nullptr) == owned)
                return window;
        Sleep(100);
    }
    print(owned ? L"error\tno setup window" : L"error\tno window of the program");
    std::exit(1);
}

// The window the command is for: the lesson's, unless the command line starts with "setup".
bool forSetup = false;

HWND programWindow()
{
    return formWindow(forSetup);
}

std::wstring location(IAccessible &object)
{
    LONG left = 0, top = 0, width = 0, height = 0;
    if (FAILED(object.accLocation(&left, &top, &width, &height, self())))
        return L"?";
    BSTR name = nullptr;
    object.get_accName(self(), &name);
    return taken(name) + L"\t" + std::to_wstring(left) + L"\t" + std::to_wstring(top) + L"\t" +
           std::to_wstring(width) + L"\t" + std::to_wstring(height);
}

// Through the window's standard client object and its children, the child windows' objects,
// to the object each child window gives for its client area: a screen reader's way down.
int listControls(std::wstring (*line)(IAccessible &))
{
    IAccessible *client = nullptr;
    if (FAILED(AccessibleObjectFromWindow(programWindow(), DWORD(OBJID_CLIENT), accessibleInterface,
                                          reinterpret_cast<void **>(&client))))
        return print(L"error\tno object for the window"), 1;
    LONG count = 0;
    client->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG obtained = 0;
    AccessibleChildren(client, 0, count, children.data(), &obtained);
    for (LONG i = 0; i < obtained; ++i) {
        HWND child = nullptr;
        if (children[std::size_t(i)].vt == VT_DISPATCH) {
            IAccessible *window = nullptr;
            children[std::size_t(i)].pdispVal->QueryInterface(accessibleInterface,
                                                              reinterpret_cast<void **>(&window));
            if (window != nullptr) {
                WindowFromAccessibleObject(window, &child);
                window->Release();
            }
        }
        VariantClear(&children[std::size_t(i)]);
        IAccessible *object = nullptr;
        if (child != nullptr &&
            SUCCEEDED(AccessibleObjectFromWindow(child, DWORD(OBJID_CLIENT), accessibleInterface,
                                                 reinterpret_cast<void **>(&object)))) {
            print(line(*object));
            object->Release();
        }
    }
    client->Release();
    return 0;
}

std::wstring eventName(DWORD event)
{
    switch (event) {
    case EVENT_OBJECT_FOCUS:
        return L"focus";
    case EVENT_OBJECT_NAMECHANGE:
        return L"name";
    case EVENT_OBJECT_VALUECHANGE:
        return L"value";
    case EVENT_OBJECT_DESCRIPTIONCHANGE:
        return L"description";
    case liveRegionChangedEvent:
        return L"live";
    default:
        return L"";
    }
}

struct Event
{
    std::wstring name;
    HWND hwnd;
    LONG object;
    LONG child;
};

// A call into the program lets further events in while it waits; they wait their turn, so that
// the events are read in the order they came.
std::deque<Event> events;

void CALLBACK heard(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD)
{
    if (const std::wstring name = eventName(event); !name.empty())
        events.push_back({name, hwnd, object, child});
}

void readEvents()
{
    static bool reading = false;
    if (reading)
        return;
    reading = true;
    while (!events.empty()) {
        const Event event = events.front();
        events.pop_front();
        IAccessible *accessible = nullptr;
        VARIANT id;
        VariantInit(&id);
        if (FAILED(AccessibleObjectFromEvent(event.hwnd, DWORD(event.object), DWORD(event.child),
                                             &accessible, &id))) {
            print(event.name + L"\t(no object)");
            continue;
        }
        print(event.name + L"\t" + describe(*accessible, id));
        accessible->Release();
    }
    reading = false;
}

int listenUntil(const wchar_t *stopFile)
{
    DWORD process = 0;
    GetWindowThreadProcessId(programWindow(), &process);
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, heard, process, 0, WINEVENT_OUTOFCONTEXT);
    if (hook == nullptr)
        return print(L"error\tno hook"), 1;
    print(L"ready");
    while (GetFileAttributesW(stopFile) == INVALID_FILE_ATTRIBUTES) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&message);
        readEvents();
    }
    UnhookWinEvent(hook);
    return 0;
}

void printClientArea(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    RECT frame;
    GetWindowRect(window, &frame);
    print(L"client\t" + std::to_wstring(origin.x) + L"\t" + std::to_wstring(origin.y) + L"\t" +
          std::to_wstring(client.right) + L"\t" + std::to_wstring(client.bottom));
    print(L"frame\t" + std::to_wstring(frame.right - frame.left) + L"\t" +
          std::to_wstring(frame.bottom - frame.top));
}

int showFrame(HWND window)
{
    const auto style = DWORD(GetWindowLongPtrW(window, GWL_STYLE));
    std::wstring names;
    const std::pair<DWORD, const wchar_t *> styles[] = {{WS_CAPTION, L"caption"},
                                                        {WS_SYSMENU, L"sysmenu"},
                                                        {WS_THICKFRAME, L"thickframe"},
                                                        {WS_MINIMIZEBOX, L"minimizebox"},
                                                        {WS_MAXIMIZEBOX, L"maximizebox"},
                                                        {WS_MAXIMIZE, L"maximized"},
                                                        {WS_POPUP, L"popup"},
                                                        {WS_VISIBLE, L"visible"},
                                                        {WS_DISABLED, L"disabled"}};
    for (const auto &[bit, name] : styles)
        if ((style & bit) == bit)
            names += (names.empty() ? L"" : L" ") + std::wstring(name);
    if ((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW) != 0)
        names += L" appwindow";
    print(L"style\t" + names);
    wchar_t caption[80] = L"";
    GetWindowTextW(window, caption, 80);
    print(L"caption\t" + std::wstring(caption));
    const HWND owner = GetWindow(window, GW_OWNER);
    wchar_t ownerCaption[80] = L"";
    if (owner != nullptr)
        GetWindowTextW(owner, ownerCaption, 80);
    print(L"owner\t" + std::wstring(owner != nullptr ? ownerCaption : L"(none)"));
    print(std::wstring(L"active\t") + (GetForegroundWindow() == window ? L"yes" : L"no"));
    printClientArea(window);
    return 0;
}

// The open popup menu is a window of the class "#32768". Its items stay in the program's memory:
// Wine gives no other process a menu's items, nor an MSAA object of them.
int showMenu()
{
    HWND popup = nullptr;
    for (int attempt = 0; attempt < 50 && popup == nullptr; ++attempt) {
        popup = FindWindowW(L"#32768", nullptr);
        if (popup == nullptr || !IsWindowVisible(popup)) {
            popup = nullptr;
            Sleep(100);
        }
    }
    if (popup == nullptr)
        return print(L"error\tno open menu"), 1;
    RECT place;
    GetWindowRect(popup, &place);
    print(L"menu\t" + std::to_wstring(place.left) + L"\t" + std::to_wstring(place.top));
    return 0;
}

int showClipboard()
{
    if (!OpenClipboard(nullptr))
        return print(L"error\tthe clipboard is busy"), 1;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto *const text =
        data != nullptr ? static_cast<const wchar_t *>(GlobalLock(data)) : nullptr;
    print(L"clipboard\t" + std::wstring(text != nullptr ? text : L"(none)"));
    if (text != nullptr)
        GlobalUnlock(data);
    CloseClipboard();
    return 0;
}

// Each unit as a key press and release of its own, which Windows gives the focused control as
// WM_CHAR, whatever the keyboard's layout.
int typeText(const std::wstring &text)
{
    std::vector<INPUT> inputs;
    for (const wchar_t unit : text)
        for (const DWORD up : {DWORD(0), DWORD(KEYEVENTF_KEYUP)}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = unit;
            input.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(input);
        }
    const UINT sent = SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(300);
    return sent == inputs.size() ? 0 : (print(L"error\tinput refused"), 1);
}

BOOL CALLBACK printStaticText(HWND child, LPARAM)
{
    wchar_t kind[16] = L"";
    GetClassNameW(child, kind, 16);
    const int length = GetWindowTextLengthW(child);
    if (std::wstring(kind) != L"Static" || length == 0)
        return TRUE;
    std::wstring text(std::size_t(length) + 1, L'\0');
    GetWindowTextW(child, text.data(), length + 1);
    text.resize(std::size_t(length));
    print(L"message\t" + text);
    return TRUE;
}

// Prints the text of the program's message box, a dialog titled "tavilo", and presses its OK.
int readMessage()
{
    HWND box = nullptr;
    for (int attempt = 0; attempt < 100 && box == nullptr; ++attempt) {
        box = FindWindowW(L"#32770", L"tavilo");
        if (box == nullptr)
            Sleep(100);
    }
    if (box == nullptr)
        return print(L"error\tno message box"), 1;
    EnumChildWindows(box, printStaticText, 0);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
}

// What Windows sends a per-monitor aware window moved to a monitor of another scale: the new dots
// per inch, and a frame for it there, here the one whose client area is the present one scaled
// from the present dots per inch, the frame's borders kept.
void suggestFrameAt(HWND window, int dpi, int from)
{
    RECT frame;
    GetWindowRect(window, &frame);
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right * dpi / from + (frame.right - frame.left - client.right);
    const int height = client.bottom * dpi / from + (frame.bottom - frame.top - client.bottom);
    const RECT suggested{frame.left, frame.top, frame.left + width, frame.top + height};
    // The message's rectangle is read where the window lives: in the program's memory.
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const HANDLE program = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, process);
    void *const there = program != nullptr
                            ? VirtualAllocEx(program, nullptr, sizeof(RECT),
                                             MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                            : nullptr;
    if (there == nullptr ||
        !WriteProcessMemory(program, there, &suggested, sizeof(RECT), nullptr)) {
        print(L"error\tno rectangle in the program's memory");
        std::exit(1);
    }
    SendMessageW(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(there));
    VirtualFreeEx(program, there, 0, MEM_RELEASE);
    CloseHandle(program);
}

int act(int count, wchar_t **arguments)
{
    const HWND window = programWindow();
    const std::wstring command = arguments[1];
    if (command == L"frame")
        return showFrame(window);
    if (command == L"resize" && count == 4)
        SetWindowPos(window, nullptr, 0, 0, _wtoi(arguments[2]), _wtoi(arguments[3]),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    else if (command == L"move" && count == 4)
        SetWindowPos(window, nullptr, _wtoi(arguments[2]), _wtoi(arguments[3]), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    else if (command == L"maximize")
        ShowWindow(window, SW_MAXIMIZE);
    else if (command == L"restore")
        ShowWindow(window, SW_RESTORE);
    else if (command == L"dpichanged" && (count == 3 || count == 4))
        suggestFrameAt(window, _wtoi(arguments[2]), count == 4 ? _wtoi(arguments[3]) : 96);
    else
        return print(L"error\tunknown command " + command), 2;
    Sleep(300);
    printClientArea(window);
    return 0;
}
} // namespace

int wmain(int count, wchar_t **arguments)
{
    if (count < 2)
        return print(L"error\tno command"), 2;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (std::wstring(arguments[1]) == L"setup" && count > 2) {
        forSetup = true;
        ++arguments;
        --count;
    }
    const std::wstring command = arguments[1];
    if (command == L"menu")
        return showMenu();
    if (command == L"clipboard")
        return showClipboard();
    if (command == L"type" && count == 3)
        return typeText(arguments[2]);
    if (command == L"controls")
        return listControls([](IAccessible &object) { return describe(object, self()); });
    if (command == L"locations")
        return listControls(location);
    if (command == L"events" && count == 3)
        return listenUntil(arguments[2]);
    if (command == L"message")
        return readMessage();
    return act(count, arguments);
}
