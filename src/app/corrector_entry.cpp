#include "app/corrector_entry.h"

namespace ombrelune {

CorrectorEntry currentCorrector;

}  // namespace ombrelune
