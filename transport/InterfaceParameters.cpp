#include "transport/InterfaceParameters.h"

InterfaceParameters::~InterfaceParameters() = default;
