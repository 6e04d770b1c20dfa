#pragma once

#include <objbase.h>

namespace pictavue::win32 {

// COM set up on the calling thread for as long as the object lives. The shell and the picture
// loader ask their callers for it; a thread that already has it keeps what it has.
class ComApartment {
 public:
  ComApartment()
      : ok_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
  }
  ~ComApartment() {
    if (ok_) {
      CoUninitialize();
    }
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool ok_;
};

}  // namespace pictavue::win32
