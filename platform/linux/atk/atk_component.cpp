// Where an object lies on the screen, what lies at a point, and taking the focus.
#include "platform/linux/atk/atk_guard.h"
#include "platform/linux/atk/atk_interfaces.h"
#include "platform/linux/atk/atk_node.h"
#include "platform/linux/atk/atk_state.h"

namespace platform_atk {

namespace {

TRect BoundsOf(AtkObject* object) {
  int column = -1;
  if (TAccessible* row = CellNode(object, column)) {
    // A cell spans its row's height under its column's header.
    const TRect r = row->ScreenBounds();
    TAccTable* table = TableOfRow(*row);
    TAccessible* header = table ? table->HeaderNode(column) : nullptr;
    if (header == nullptr) {
      return r;
    }
    const TRect h = header->ScreenBounds();
    return {h.Left, r.Top, h.Right, r.Bottom};
  }
  TAccessible* node = NodeOf(object);
  return node ? node->ScreenBounds() : TRect{};
}

// The origin of the coordinates a reader asks in, on the screen.
TPoint Origin(AtkObject* object, AtkCoordType coords) {
  if (coords == ATK_XY_WINDOW) {
    TAccessible* node = NodeOf(object);
    int column = -1;
    if (node == nullptr) {
      node = CellNode(object, column);
    }
    while (node != nullptr && node->Parent() != nullptr) {
      node = node->Parent();
    }
    if (node != nullptr) {
      const TRect r = node->ScreenBounds();
      return {r.Left, r.Top};
    }
  }
  if (coords == ATK_XY_PARENT) {
    if (AtkObject* parent = atk_object_get_parent(object);
        parent && parent != State().Application) {
      const TRect r = BoundsOf(parent);
      return {r.Left, r.Top};
    }
  }
  return {0, 0};
}

void GetExtents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height,
                AtkCoordType coords) {
  AtkObject* object = ATK_OBJECT(component);
  const TRect r = BoundsOf(object);
  const TPoint o = Origin(object, coords);
  if (x) {
    *x = r.Left - o.X;
  }
  if (y) {
    *y = r.Top - o.Y;
  }
  if (width) {
    *width = r.Width();
  }
  if (height) {
    *height = r.Height();
  }
}

gboolean Contains(AtkComponent* component, gint x, gint y, AtkCoordType coords) {
  AtkObject* object = ATK_OBJECT(component);
  const TPoint o = Origin(object, coords);
  return BoundsOf(object).Contains({x + o.X, y + o.Y});
}

AtkObject* RefAccessibleAtPoint(AtkComponent* component, gint x, gint y, AtkCoordType coords) {
  AtkObject* object = ATK_OBJECT(component);
  TAccessible* node = NodeOf(object);
  if (node == nullptr) {
    return nullptr;
  }
  const TPoint o = Origin(object, coords);
  TAccessible* hit = node->HitTest({x + o.X, y + o.Y});
  if (hit == nullptr || hit == node) {
    return nullptr;
  }
  return ATK_OBJECT(g_object_ref(ObjectOf(*hit)));
}

gboolean GrabFocus(AtkComponent* component) {
  TAccessible* node = NodeOf(ATK_OBJECT(component));
  return node != nullptr && node->TakeFocus();
}

AtkLayer GetLayer(AtkComponent* component) {
  TAccessible* node = NodeOf(ATK_OBJECT(component));
  return node != nullptr && node->Parent() == nullptr ? ATK_LAYER_WINDOW : ATK_LAYER_WIDGET;
}

}  // namespace

void InitComponent(AtkComponentIface* iface) {
  iface->get_extents = Guarded<GetExtents>;
  iface->contains = Guarded<Contains>;
  iface->ref_accessible_at_point = Guarded<RefAccessibleAtPoint>;
  iface->grab_focus = Guarded<GrabFocus>;
  iface->get_layer = Guarded<GetLayer>;
}

}  // namespace platform_atk
