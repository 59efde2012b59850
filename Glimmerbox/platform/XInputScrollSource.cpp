#include "platform/XInputScrollSource.h"

std::unique_ptr<XInputScrollSource> XInputScrollSource::create() {
    return nullptr;
}
