#pragma once

#include <string>

#include "eligibility.h"

namespace tavrel::web {

// Why the rules withdraw a class box or a school button, for the form's description of a greyed
// control. The rules model does not record the rule step behind a withdrawal yet; until it
// does, a withdrawn control carries no text and the form shows only that it is withdrawn.
inline std::string classReason(const EligibilityModel&, ClassBox) {
    return {};
}
inline std::string schoolReason(const EligibilityModel&, int) {
    return {};
}

}  // namespace tavrel::web
