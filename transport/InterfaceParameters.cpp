#include "InterfaceParameters.h"

InterfaceParameters::~InterfaceParameters() = default;
