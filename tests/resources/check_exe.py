#!/usr/bin/python3
"""The Windows program as shipped: a GUI program that imports nothing but
Windows' own DLLs, and from them nothing newer than Windows 7, with the
version record, the icon group and the manifest in its resources.
Usage: check_exe.py EXE VERSION VERSION_TEXT"""
import pathlib
import struct
import sys

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_windows_resources as res  # noqa: E402

# The DLLs the program imports, all Windows' own: the loader looks for them
# beside the exe first unless they are known DLLs, so no other may be added
# here. Any other (the theme and window-manager libraries, the registry, COM)
# is loaded from the system folder only, when it is needed.
IMPORTS = {"comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "user32.dll"}
# Every function the exe imports, under the oldest Windows that Microsoft's
# documentation gives for it ("Minimum supported client"); msvcrt.dll's as
# Windows XP ships it. A new import goes here with its documented minimum:
# anything newer than Windows 7 is looked up at run time, with a fallback.
DOCUMENTED_MINIMUM = {
    "2000": """AdjustWindowRectEx AppendMenuW CheckMenuItem CloseClipboard CloseHandle
        CreateEventA CreateFontIndirectW CreateSemaphoreA CreateSolidBrush CreateWindowExW
        DefWindowProcW DeleteCriticalSection DeleteObject DestroyWindow DispatchMessageW
        DrawFocusRect DrawTextW DuplicateHandle EmptyClipboard EnterCriticalSection FillRect
        FreeLibrary GetClientRect GetCurrentProcess GetCurrentProcessId GetCurrentThread
        GetCurrentThreadId GetDC GetDeviceCaps GetFocus GetHandleInformation GetLastError
        GetMessageW GetModuleHandleW GetParent GetProcAddress GetProcessAffinityMask
        GetStartupInfoW GetSysColor GetSysColorBrush GetSystemDirectoryW GetSystemMenu
        GetSystemMetrics GetSystemTimeAsFileTime GetTextExtentPoint32W GetTextMetricsW
        GetThreadContext GetThreadPriority GetWindow GetWindowLongPtrW GetWindowLongW
        GetWindowTextLengthW GetWindowTextW GlobalAlloc GlobalFree GlobalLock GlobalUnlock
        InflateRect InitCommonControlsEx InitializeCriticalSection IsChild IsDBCSLeadByteEx
        IsDebuggerPresent IsDialogMessageW IsWindowVisible KillTimer LeaveCriticalSection
        LoadCursorW LoadImageW LoadLibraryExW LoadLibraryW LoadStringW MessageBoxW MoveWindow
        MulDiv MultiByteToWideChar OpenClipboard OpenProcess OutputDebugStringA PostMessageW
        PostQuitMessage RaiseException RedrawWindow RegisterClassExW ReleaseDC ReleaseSemaphore
        ResetEvent ResumeThread SelectObject SendMessageW SetBkColor SetBkMode SetClipboardData
        SetEvent SetFocus SetLastError SetProcessAffinityMask SetTextColor SetThreadContext
        SetThreadPriority SetTimer SetUnhandledExceptionFilter SetWindowLongPtrW SetWindowPos
        SetWindowTextW ShowWindow Sleep SuspendThread SystemParametersInfoW TlsAlloc TlsGetValue
        TlsSetValue TranslateMessage TryEnterCriticalSection UpdateWindow VirtualProtect
        VirtualQuery WaitForMultipleObjects WaitForSingleObject WideCharToMultiByte
        AllowSetForegroundWindow FindWindowW GetWindowThreadProcessId IsIconic
        SendMessageTimeoutW SetForegroundWindow GetTickCount QueryPerformanceCounter
        QueryPerformanceFrequency MonitorFromWindow""",
    "XP": """AddVectoredExceptionHandler CreateMutexW DefSubclassProc GetModuleHandleExW
        RemoveVectoredExceptionHandler RtlCaptureContext RtlLookupFunctionEntry RtlUnwindEx
        RtlVirtualUnwind SetDllDirectoryW SetWindowSubclass __C_specific_handler
        ___lc_codepage_func ___mb_cur_max_func __iob_func __set_app_type __setusermatherr
        __wgetmainargs __winitenv _amsg_exit _assert _beginthreadex _cexit _close _commode
        _endthreadex _errno _fmode _initterm _onexit _read _setjmp _strdup _ultoa _wcmdln abort
        calloc exit fprintf fputc fputs free fwrite localeconv longjmp malloc memchr memcmp
        memcpy memmove memset printf realloc signal strcmp strerror strlen strncmp vfprintf
        wcscmp wcslen FormatMessageA GetModuleHandleA LocalFree _vscprintf _vsnprintf getenv
        ldexp strchr strtoul""",
    "Vista": "GetLocaleInfoEx GetTickCount64",
    # Newer than Windows 7: the exe must not import these.
    "8": "SetDefaultDllDirectories",  # 7 only with KB2533623
    "8.1": "GetDpiForMonitor",
    "10 1607": """AdjustWindowRectExForDpi GetDpiForSystem GetDpiForWindow
        GetSystemMetricsForDpi""",
    "10 1709": "UiaRaiseNotificationEvent",
}
UP_TO_WINDOWS_7 = ("2000", "XP", "Vista", "7")
RT_MANIFEST = 24
RT_STRING = 6
IMAGE_SUBSYSTEM_WINDOWS_GUI = 2


class Image:
    """A 64-bit PE file's headers: its sections, its data directories and
    its subsystem, read as the loader reads them."""

    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
        self.optional = pe + 24
        if struct.unpack_from("<H", data, self.optional)[0] != 0x20B:
            raise ValueError("not a 64-bit PE file")
        self.subsystem = struct.unpack_from("<H", data, self.optional + 68)[0]
        table = self.optional + optional_size
        self.spans = [struct.unpack_from("<8xIIII", data, table + 40 * i)
                      for i in range(sections)]

    def directory(self, index):
        """The file offset of a data directory (1: imports, 2: resources)."""
        rva, _ = struct.unpack_from("<II", self.data, self.optional + 112 + index * 8)
        return self.offset(rva)

    def offset(self, address):
        for size, virtual, raw_size, raw in self.spans:
            if virtual <= address < virtual + max(size, raw_size):
                return raw + address - virtual
        raise ValueError(f"RVA {address:#x} outside every section")

    def text(self, address):
        start = self.offset(address)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")


def pe_imports(image):
    """{dll: {function}} from the import directory, lower-case DLL names;
    a function imported by ordinal is named "#ordinal"."""
    data, found = image.data, {}
    descriptor = image.directory(1)
    while True:
        lookup, _, _, name, thunks = struct.unpack_from("<IIIII", data, descriptor)
        if not (lookup or name or thunks):
            return found
        functions = found.setdefault(image.text(name).lower(), set())
        entry = image.offset(lookup or thunks)
        while (thunk := struct.unpack_from("<Q", data, entry)[0]) != 0:
            if thunk & (1 << 63):
                functions.add(f"#{thunk & 0xFFFF}")
            else:
                functions.add(image.text(thunk + 2))  # after the two-byte hint
            entry += 8
        descriptor += 20


def pe_resources(image):
    """{(type, id): bytes} of the first language of each resource, and
    {("languages", type): the languages of that type}."""
    data = image.data
    base = image.directory(2)

    def entries(directory):
        named, ids = struct.unpack_from("<12xHH", data, base + directory)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * i)
            yield name, target

    found = {}
    for kind, types in entries(0):
        for ident, names in entries(types & 0x7FFFFFFF):
            for language, _ in entries(names & 0x7FFFFFFF):
                found.setdefault(("languages", kind), set()).add(language)
            _, leaf = next(entries(names & 0x7FFFFFFF))
            data_rva, size = struct.unpack_from("<II", data, base + leaf)
            start = image.offset(data_rva)
            found[(kind, ident)] = data[start:start + size]
    return found


def newer_than_windows_7(functions):
    """The imported functions that Windows 7 SP1 may lack, each with its
    documented minimum ("?" where it is not in the list)."""
    minimum = {name: version for version, names in DOCUMENTED_MINIMUM.items()
               for name in names.split()}
    return sorted(f"{name} ({minimum.get(name, '?')})" for name in functions
                  if minimum.get(name) not in UP_TO_WINDOWS_7)


def main():
    exe, version, text = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3]
    image = Image(exe.read_bytes())
    imported = pe_imports(image)
    res.check(set(imported) == IMPORTS, f"imports these DLLs and no other: {sorted(imported)}")
    functions = set().union(*imported.values())
    res.check(len(functions) > 100, f"read the imported functions: {len(functions)}")
    too_new = newer_than_windows_7(functions)
    res.check(not too_new, f"imports nothing newer than Windows 7: {too_new}")
    res.check(image.subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI, f"a GUI program: {image.subsystem}")
    resources = pe_resources(image)
    res.check((res.RT_VERSION, 1) in resources, "version record 1")
    if (res.RT_VERSION, 1) in resources:
        res.check_version(resources[(res.RT_VERSION, 1)], version, text)
    res.check_icon_group(resources)
    manifest = resources.get((RT_MANIFEST, 1), b"").decode("utf-8", "replace")
    res.check("Microsoft.Windows.Common-Controls" in manifest and 'version="6.0.0.0"' in manifest,
              "manifest asks for common controls 6")
    res.check("PerMonitorV2" in manifest, "manifest: per-monitor DPI")
    res.check("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}" in manifest,
              "manifest: Windows 7 among the supported systems")
    res.check(resources.get(("languages", RT_STRING)) == {0x0409, 0x0404},
              f"string tables in English and Traditional Chinese: {resources.get(('languages', RT_STRING))}")
    return res.summary()


if __name__ == "__main__":
    sys.exit(main())
