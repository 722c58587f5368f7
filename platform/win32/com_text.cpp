#include "com_text.h"

#include <climits>

namespace vx::win32 {

UniqueBstr::UniqueBstr(std::wstring_view text) {
  if (text.size() <= UINT_MAX)
    bstr_ = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

UniqueVariant UniqueVariant::Int32(LONG value) {
  UniqueVariant variant;
  V_VT(variant.get()) = VT_I4;
  V_I4(variant.get()) = value;
  return variant;
}

UniqueVariant UniqueVariant::NullString() {
  UniqueVariant variant;
  V_VT(variant.get()) = VT_BSTR;
  V_BSTR(variant.get()) = nullptr;
  return variant;
}

std::wstring_view ViewOf(BSTR bstr) {
  return bstr ? std::wstring_view(bstr, SysStringLen(bstr)) : std::wstring_view();
}

}  // namespace vx::win32
