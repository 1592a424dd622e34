#include "window/win32/ControlTexts.h"

#include "runtime/win32/SystemLibrary.h"

#include <initguid.h>
#include <oleacc.h>

std::wstring LoadText(HINSTANCE instance, Texts::Id id)
{
    // With no buffer, LoadString points into the resource itself, which is
    // not terminated.
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance, id + 1, reinterpret_cast<LPWSTR>(&text), 0); // NOLINT
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

std::vector<ControlText> ControlTexts(HINSTANCE instance, const ControlHandles& controls)
{
    std::vector<ControlText> texts;
    for (std::size_t i = 0; i < Controls::Count; ++i) {
        const Controls::Control& design = Controls::Table[i];
        if (design.accessibleName != Controls::NoText) {
            texts.push_back({controls[i], LoadText(instance, design.accessibleName),
                             LoadText(instance, design.accessibleDescription)});
        }
    }
    return texts;
}

void DescribeControls(HINSTANCE instance, const ControlHandles& controls)
{
    const auto initialize =
        Runtime::Win32::SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    const auto create = Runtime::Win32::SystemFunction<decltype(CoCreateInstance)>(
        L"ole32.dll", "CoCreateInstance");
    IAccPropServices* services = nullptr;
    if (!initialize || !create || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED)) ||
        FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                      reinterpret_cast<void**>(&services)))) {
        return; // no accessibility services: nothing to annotate
    }
    for (const ControlText& text : ControlTexts(instance, controls)) {
        services->SetHwndPropStr(text.control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_NAME, text.name.c_str());
        services->SetHwndPropStr(text.control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                 PROPID_ACC_DESCRIPTION, text.description.c_str());
    }
    services->Release();
}
