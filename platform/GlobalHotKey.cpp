#include "platform/GlobalHotKey.h"

namespace platform {

std::unique_ptr<GlobalHotKey> GlobalHotKey::create() { return std::make_unique<NullHotKey>(); }

} // namespace platform
