// The MinGW runtime's conversions between multibyte and wide characters, which
// its formatted output links in, call IsDBCSLeadByteEx through an import slot.
// The function is not documented for Windows NT 3.51 and 4.0, so the slot is
// defined here and binds the function on first use; where kernel32 lacks it,
// the ANSI code page's test stands in. The programs format no wide characters.
#include <windows.h>

#if defined(__i386__)
namespace {

BOOL WINAPI isDbcsLeadByteEx(UINT codePage, BYTE testChar) {
    typedef BOOL(WINAPI * Function)(UINT, BYTE);
    static const Function function = reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsDBCSLeadByteEx")));
    return function != nullptr ? function(codePage, testChar) : IsDBCSLeadByte(testChar);
}

}  // namespace

extern "C" {
extern BOOL(WINAPI* const importedIsDbcsLeadByteEx)(UINT, BYTE) __asm__("__imp__IsDBCSLeadByteEx@8");
BOOL(WINAPI* const importedIsDbcsLeadByteEx)(UINT, BYTE) = isDbcsLeadByteEx;
}
#endif
