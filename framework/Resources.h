#pragma once
// The program's own compiled-in resources.

#include <cstdint>

#include "Object.h"
#include "Picture.h"

class ResourceFork : public Object {
public:
  // The picture with that resource number, or nil when there is none.
  Ref<Picture> GetPicture(int32_t id);
};

// The application's own resources.
Ref<ResourceFork> appResourceForkGetter();
