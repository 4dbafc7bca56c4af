// SPDX-License-Identifier: GPL-3.0-or-later
// Reads what Windows programs show, the way a screen reader does: through UI Automation, the
// accessibility interface Qt offers every widget on Windows, and the window manager's list of
// top-level windows. The Wine test of the program runs it between its mouse and key input.
//   screen-reader windows      one line per visible top-level window and the work area:
//                                window <handle> <left> <top> <width> <height> <client left> <client top> <title>
//                                workarea <left> <top> <width> <height>
//   screen-reader tree <title> every element of each top-level window with that title (or
//                              with that handle, as "windows" prints it):
//                                <depth> <control type> <left> <top> <width> <height> <state> <id> <name>\t<value>
//                              where <state> holds "e" when the element is enabled, "f" when it has
//                              the keyboard focus and "h" when it is hidden ("-" for none of them),
//                              and <id> is its automation id ("-" when it has none)
// Built with mingw-w64; the UI Automation client calls are looked up at run time since
// mingw-w64 declares only the provider side.
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>
#include <windows.h> // with the OLE automation types: VARIANT, SAFEARRAY, BSTR

namespace {

DECLARE_HANDLE(HUIANODE);

// The client side of UI Automation's flat interface (UIAutomationCoreApi.h).
struct UiaCondition {
    int conditionType; // 0: true for every element
};
struct UiaCacheRequest {
    UiaCondition* viewCondition;
    int scope; // 1: the element itself
    int* properties;
    int propertyCount;
    int* patterns;
    int patternCount;
    int elementMode; // 1: full elements
};

using NodeFromHandleFn = HRESULT(WINAPI*)(HWND, HUIANODE*);
using GetPropertyValueFn = HRESULT(WINAPI*)(HUIANODE, int, VARIANT*);
using NavigateFn = HRESULT(WINAPI*)(HUIANODE, int, UiaCondition*, UiaCacheRequest*, SAFEARRAY**, BSTR*);
using NodeReleaseFn = BOOL(WINAPI*)(HUIANODE);
using NodeFromVariantFn = HRESULT(WINAPI*)(VARIANT*, HUIANODE*);

NodeFromHandleFn nodeFromHandle;
GetPropertyValueFn getPropertyValue;
NavigateFn navigate;
NodeReleaseFn nodeRelease;
NodeFromVariantFn nodeFromVariant;

constexpr int kBoundingRectangle = 30001;
constexpr int kControlType = 30003;
constexpr int kName = 30005;
constexpr int kHasKeyboardFocus = 30008;
constexpr int kIsEnabled = 30010;
constexpr int kAutomationId = 30011;
constexpr int kIsOffscreen = 30022;
constexpr int kValue = 30045;
constexpr int kFirstChild = 3;
constexpr int kNextSibling = 1;

bool LoadUiAutomation() {
    HMODULE module = LoadLibraryW(L"uiautomationcore.dll");
    if (module == nullptr) return false;
    auto find = [module](const char* name) { return reinterpret_cast<void*>(GetProcAddress(module, name)); };
    nodeFromHandle = reinterpret_cast<NodeFromHandleFn>(find("UiaNodeFromHandle"));
    getPropertyValue = reinterpret_cast<GetPropertyValueFn>(find("UiaGetPropertyValue"));
    navigate = reinterpret_cast<NavigateFn>(find("UiaNavigate"));
    nodeRelease = reinterpret_cast<NodeReleaseFn>(find("UiaNodeRelease"));
    nodeFromVariant = reinterpret_cast<NodeFromVariantFn>(find("UiaHUiaNodeFromVariant"));
    return nodeFromHandle && getPropertyValue && navigate && nodeRelease && nodeFromVariant;
}

std::string Utf8(const wchar_t* text) {
    if (text == nullptr) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? static_cast<std::size_t>(size) : 1U, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(out.size() - 1);
    // One element to a line: line breaks inside a name become "\n".
    std::string flat;
    for (const char c : out) {
        if (c == '\r') continue;
        flat += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return flat;
}

struct Property {
    VARIANT value;
    explicit Property(HUIANODE node, int id) {
        VariantInit(&value);
        if (FAILED(getPropertyValue(node, id, &value))) VariantInit(&value);
    }
    ~Property() { VariantClear(&value); }
    Property(const Property&) = delete;
    Property& operator=(const Property&) = delete;
};

std::string Text(HUIANODE node, int id) {
    Property property(node, id);
    return property.value.vt == VT_BSTR ? Utf8(property.value.bstrVal) : std::string();
}

long Number(HUIANODE node, int id) {
    Property property(node, id);
    if (property.value.vt == VT_I4) return property.value.lVal;
    if (property.value.vt == VT_BOOL) return property.value.boolVal ? 1 : 0;
    return -1;
}

void Rectangle(HUIANODE node, long out[4]) {
    for (int i = 0; i < 4; ++i) out[i] = 0;
    Property property(node, kBoundingRectangle);
    if (property.value.vt != (VT_ARRAY | VT_R8)) return;
    LONG upper = -1;
    SafeArrayGetUBound(property.value.parray, 1, &upper);
    double* values = nullptr;
    if (upper < 3 || FAILED(SafeArrayAccessData(property.value.parray, reinterpret_cast<void**>(&values)))) return;
    for (int i = 0; i < 4; ++i) out[i] = static_cast<long>(values[i] + (values[i] < 0 ? -0.5 : 0.5));
    SafeArrayUnaccessData(property.value.parray);
}

HUIANODE Step(HUIANODE node, int direction) {
    UiaCondition all{0};
    int properties[] = {kName};
    UiaCacheRequest request{&all, 1, properties, 0, nullptr, 0, 1};
    SAFEARRAY* found = nullptr;
    BSTR structure = nullptr;
    if (FAILED(navigate(node, direction, &all, &request, &found, &structure)) || found == nullptr) return nullptr;
    LONG index[2] = {0, 0};
    VARIANT element;
    VariantInit(&element);
    HUIANODE next = nullptr;
    if (SUCCEEDED(SafeArrayGetElement(found, index, &element))) nodeFromVariant(&element, &next);
    VariantClear(&element);
    SafeArrayDestroy(found);
    SysFreeString(structure);
    return next;
}

void Walk(HUIANODE node, int depth) {
    long box[4];
    Rectangle(node, box);
    std::string id = Text(node, kAutomationId);
    if (id.empty()) id = "-";
    for (char& c : id)
        if (c == ' ') c = '_';
    std::string state;
    if (Number(node, kIsEnabled) == 1) state += 'e';
    if (Number(node, kHasKeyboardFocus) == 1) state += 'f';
    if (Number(node, kIsOffscreen) == 1) state += 'h';
    if (state.empty()) state = "-";
    std::printf("%d %ld %ld %ld %ld %ld %s %s %s\t%s\n", depth, Number(node, kControlType), box[0], box[1], box[2],
                box[3], state.c_str(), id.c_str(), Text(node, kName).c_str(), Text(node, kValue).c_str());
    for (HUIANODE child = Step(node, kFirstChild); child != nullptr;) {
        Walk(child, depth + 1);
        HUIANODE next = Step(child, kNextSibling);
        nodeRelease(child);
        child = next;
    }
}

BOOL CALLBACK ListWindow(HWND window, LPARAM) {
    if (!IsWindowVisible(window)) return TRUE;
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    RECT outer;
    GetWindowRect(window, &outer);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    std::printf("window %p %ld %ld %ld %ld %ld %ld %s\n", static_cast<void*>(window), outer.left, outer.top,
                outer.right - outer.left, outer.bottom - outer.top, client.x, client.y, Utf8(title).c_str());
    return TRUE;
}

struct Wanted {
    wchar_t title[512] = {};
    unsigned long long handle = 0;
    std::vector<HWND> found;
};

BOOL CALLBACK FindWanted(HWND window, LPARAM data) {
    auto* wanted = reinterpret_cast<Wanted*>(data);
    if (!IsWindowVisible(window)) return TRUE;
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    if (reinterpret_cast<unsigned long long>(window) == wanted->handle || std::wcscmp(title, wanted->title) == 0)
        wanted->found.push_back(window);
    return TRUE;
}

int Usage() {
    std::fprintf(stderr, "usage: screen-reader windows | tree <window title>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    if (command == "windows") {
        EnumWindows(ListWindow, 0);
        RECT area;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        std::printf("workarea %ld %ld %ld %ld\n", area.left, area.top, area.right - area.left, area.bottom - area.top);
        return 0;
    }
    if (command != "tree" || argc < 3) return Usage();
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (!LoadUiAutomation()) {
        std::fprintf(stderr, "UI Automation is not available\n");
        return 3;
    }
    Wanted wanted;
    MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, wanted.title, 512);
    wanted.handle = std::strtoull(argv[2], nullptr, 16);
    EnumWindows(FindWanted, reinterpret_cast<LPARAM>(&wanted));
    int read = 0;
    for (HWND window : wanted.found) {
        HUIANODE root = nullptr;
        if (FAILED(nodeFromHandle(window, &root)) || root == nullptr) continue;
        std::printf("window %p\n", static_cast<void*>(window));
        Walk(root, 0);
        nodeRelease(root);
        ++read;
    }
    if (read == 0) {
        std::fprintf(stderr, "no window \"%s\" answers UI Automation\n", argv[2]);
        return 1;
    }
    return 0;
}
