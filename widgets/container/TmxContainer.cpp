#include "TmxContainer.h"

TmxContainer::TmxContainer(TComponent* AOwner) : TmxCustomContainer(AOwner) {}
