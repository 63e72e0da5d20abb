#pragma once

#include <vector>

#include "linkopener.h"

namespace tavrel::test {

// Stands in for the desktop: records every request and answers with `accept`.
struct LinkRecorder {
    std::vector<ShellRequest> requests;
    bool accept = true;

    LinkOpener opener() {
        return [this](const ShellRequest& request) {
            requests.push_back(request);
            return accept;
        };
    }
};

}  // namespace tavrel::test
