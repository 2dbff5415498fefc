#pragma once
#include <string>

/// "Class::method" from a compiler's pretty function signature: the return type, the
/// parameter list and any template notes are dropped.
std::string qualifiedFunctionName(const char* prettyFunction);

#define VEK_FUNCTION (qualifiedFunctionName(__PRETTY_FUNCTION__))
