#include "settings/control_id.h"

namespace pictavue {

std::string_view ControlName(ControlId control) {
  switch (control) {
    case ControlId::cmbSearchDir:
      return "cmbSearchDir";
    case ControlId::chkGIF:
      return "chkGIF";
    case ControlId::txtFileName:
      return "txtFileName";
    case ControlId::cmbIPP:
      return "cmbIPP";
    case ControlId::txtDelay:
      return "txtDelay";
  }
  return {};
}

}  // namespace pictavue
