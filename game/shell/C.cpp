#include "C.h"

namespace game {

const runtime::Ref<framework::Point> C::POINT_0 = runtime::make<framework::Point>(0, 0);

}  // namespace game
