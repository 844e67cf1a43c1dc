#include "StateLists.h"

#include "DevClock.h"
#include "DevGroup.h"

namespace StateFile {

Lists::Lists() = default;
Lists::~Lists() = default;
Lists::Lists(Lists &&) noexcept = default;
Lists &Lists::operator=(Lists &&) noexcept = default;

} // namespace StateFile
