#pragma once
// Texts at the COM boundary: BSTRs and VARIANTs that free themselves.

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace vx::win32 {

class UniqueBstr {
 public:
  UniqueBstr() = default;
  explicit UniqueBstr(std::wstring_view text);  // a new BSTR holding exactly these characters
  ~UniqueBstr() { reset(); }

  UniqueBstr(UniqueBstr&& other) noexcept : bstr_(std::exchange(other.bstr_, nullptr)) {}
  UniqueBstr& operator=(UniqueBstr&& other) noexcept {
    if (this != &other) {
      reset();
      bstr_ = std::exchange(other.bstr_, nullptr);
    }
    return *this;
  }
  UniqueBstr(const UniqueBstr&) = delete;
  UniqueBstr& operator=(const UniqueBstr&) = delete;

  BSTR get() const { return bstr_; }
  BSTR* put() {
    reset();
    return &bstr_;
  }
  void reset() {
    if (bstr_) SysFreeString(std::exchange(bstr_, nullptr));
  }

 private:
  BSTR bstr_ = nullptr;
};

class UniqueVariant {
 public:
  UniqueVariant() { VariantInit(&variant_); }
  ~UniqueVariant() { VariantClear(&variant_); }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;

  static UniqueVariant Int32(LONG value);
  // A string variant that holds no string (a null BSTR), as optional string arguments take it.
  static UniqueVariant NullString();

  UniqueVariant(UniqueVariant&& other) noexcept : variant_(other.variant_) {
    VariantInit(&other.variant_);  // the value moved: nothing left to clear there
  }

  VARIANT* get() { return &variant_; }

 private:
  VARIANT variant_;
};

// The characters of a BSTR; a null BSTR reads as the empty string.
std::wstring_view ViewOf(BSTR bstr);

}  // namespace vx::win32
