#include "persistence/StateLists.h"

#include "model/DevClock.h"
#include "model/DevGroup.h"

namespace StateFile {

Lists::Lists() = default;
Lists::~Lists() = default;
Lists::Lists(Lists &&) noexcept = default;
Lists &Lists::operator=(Lists &&) noexcept = default;

} // namespace StateFile
