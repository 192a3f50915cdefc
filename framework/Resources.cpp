#include "Resources.h"

#include <QImage>

#include "QtSupport.h"

Ref<Picture> ResourceFork::GetPicture(int32_t id) {
  const QImage image(QStringLiteral(":/pictures/%1.png").arg(id));
  if (image.isNull()) return nullptr;
  return PictureFromImage(image);
}

Ref<ResourceFork> appResourceForkGetter() {
  static Ref<ResourceFork> fork = New<ResourceFork>();
  return fork;
}
