#pragma once

#include <vector>

#include "linkopener.h"

namespace tavrel::test {

// Stands in for the desktop: records every request and accepts it.
struct LinkRecorder {
    std::vector<ShellRequest> requests;

    LinkOpener opener() {
        return [this](const ShellRequest& request) {
            requests.push_back(request);
            return true;
        };
    }
};

}  // namespace tavrel::test
