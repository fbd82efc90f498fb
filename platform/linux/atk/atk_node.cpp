#include "platform/linux/atk/atk_node.h"

#include <memory>
#include <string>
#include <utility>

#include "platform/linux/atk/atk_application.h"
#include "platform/linux/atk/atk_guard.h"
#include "platform/linux/atk/atk_interfaces.h"
#include "platform/linux/atk/atk_mapping.h"
#include "platform/linux/atk/atk_state.h"
#include "ui/guarded.h"
#include "ui/timer.h"

namespace platform_atk {

namespace {

// What an object keeps besides its node's Id: the texts it hands out (ATK
// returns them borrowed) and what it last told a reader.
struct TNodeExtra {
  std::string Name, Description;
  uint64_t Reported = 0;
  std::string Text;
  AtkObject* Parent = nullptr;  // as last answered, for the removal event
  int Index = -1;
};

struct TNodeObject {
  AtkObject Parent;
  uint32_t Id;
  int Column;  // a cell's table column; -1 for a node's own object
  TNodeExtra* Extra;
};

struct TNodeObjectClass {
  AtkObjectClass Parent;
};

// The interfaces beyond AtkComponent, which every object has.
enum : unsigned {
  kAction = 1,
  kSelection = 2,
  kTable = 4,
  kText = 8,
  kWindow = 16,
  kCell = 32,
  kFacetCount = 64,
};

uint64_t Key(uint32_t id, int column) {
  return (uint64_t{id} << 16) | static_cast<uint16_t>(column + 1);
}

TNodeObject* Self(AtkObject* object) {
  return reinterpret_cast<TNodeObject*>(object);
}

GType BaseType();

bool IsOurs(AtkObject* object) {
  return object != nullptr && G_TYPE_CHECK_INSTANCE_TYPE(object, BaseType());
}

const gchar* Keep(std::string& slot, std::string text) {
  slot = std::move(text);
  return slot.c_str();
}

// A table shows its rows as its children; its column headers come through the
// table interface, so that a row's place counts rows only ("1 of N").
TAccTable* TableShown(TAccessible& node) {
  return node.Table();
}

// ---- AtkObject

const gchar* GetName(AtkObject* object) {
  int column = -1;
  if (TAccessible* row = CellNode(object, column)) {
    TAccTable* table = TableOfRow(*row);
    return Keep(Self(object)->Extra->Name, table ? table->CellText(row->TableRow(), column) : "");
  }
  TAccessible* node = NodeOf(object);
  return node ? Keep(Self(object)->Extra->Name, node->Name()) : nullptr;
}

const gchar* GetDescription(AtkObject* object) {
  TAccessible* node = NodeOf(object);
  return node ? Keep(Self(object)->Extra->Description, node->Description()) : nullptr;
}

AtkObject* GetParent(AtkObject* object) {
  int column = -1;
  AtkObject* parent = nullptr;
  if (TAccessible* row = CellNode(object, column)) {
    parent = ObjectOf(*row);
  } else if (TAccessible* node = NodeOf(object)) {
    TAccessible* up = node->Parent();
    parent = up ? ObjectOf(*up) : State().Application;
  } else {
    return nullptr;
  }
  Self(object)->Extra->Parent = parent;
  return parent;
}

gint GetNChildren(AtkObject* object) {
  TAccessible* node = NodeOf(object);
  if (node == nullptr) {
    return 0;
  }
  if (TAccTable* table = TableOfRow(*node)) {
    return table->ColumnCount();
  }
  if (TAccTable* table = TableShown(*node)) {
    return table->RowCount();
  }
  return node->ChildCount();
}

AtkObject* RefChild(AtkObject* object, gint index) {
  TAccessible* node = NodeOf(object);
  if (node == nullptr || index < 0) {
    return nullptr;
  }
  AtkObject* child = nullptr;
  if (TAccTable* table = TableOfRow(*node)) {
    child = index < table->ColumnCount() ? CellOf(*node, index) : nullptr;
  } else if (TAccTable* rows = TableShown(*node)) {
    TAccessible* row = rows->RowNode(index);
    child = row ? ObjectOf(*row) : nullptr;
  } else if (index < node->ChildCount()) {
    TAccessible* c = node->Child(index);
    child = c ? ObjectOf(*c) : nullptr;
  }
  return child ? ATK_OBJECT(g_object_ref(child)) : nullptr;
}

gint GetIndexInParent(AtkObject* object) {
  int column = -1;
  int index = -1;
  if (CellNode(object, column) != nullptr) {
    index = column;
  } else if (TAccessible* node = NodeOf(object)) {
    TAccessible* parent = node->Parent();
    if (parent == nullptr) {
      index = WindowRootIndex(node->Id());
    } else if (TableShown(*parent) != nullptr) {
      index = node->TableRow();  // a header is no child: -1
    } else {
      index = node->IndexInParent();
    }
  }
  Self(object)->Extra->Index = index;
  return index;
}

AtkRole GetRole(AtkObject* object) {
  if (Self(object)->Column >= 0) {
    return ATK_ROLE_TABLE_CELL;  // gone or not
  }
  TAccessible* node = NodeOf(object);
  if (node == nullptr) {
    return ATK_ROLE_UNKNOWN;
  }
  return AtkRoleOf(node->Role(), node->Table() != nullptr, TableOfRow(*node) != nullptr);
}

AtkStateSet* RefStateSet(AtkObject* object) {
  const uint64_t bits = StatesOf(object);
  SetReportedStates(object, bits);
  AtkStateSet* set = atk_state_set_new();
  for (int s = 0; s < ATK_STATE_LAST_DEFINED && s < 64; ++s) {
    if ((bits >> s) & 1u) {
      atk_state_set_add_state(set, static_cast<AtkStateType>(s));
    }
  }
  return set;
}

// A label and what it names, both ways.
AtkRelationSet* RefRelationSet(AtkObject* object) {
  AtkRelationSet* set = atk_relation_set_new();
  TAccessible* node = NodeOf(object);
  if (node == nullptr) {
    return set;
  }
  const std::pair<TAccessible*, AtkRelationType> relations[] = {
      {node->LabelledBy(), ATK_RELATION_LABELLED_BY},
      {node->LabelFor(), ATK_RELATION_LABEL_FOR},
  };
  for (const auto& [target, type] : relations) {
    if (target != nullptr) {
      AtkObject* targets[] = {ObjectOf(*target)};
      AtkRelation* relation = atk_relation_new(targets, 1, type);
      atk_relation_set_add(set, relation);
      g_object_unref(relation);
    }
  }
  return set;
}

GObjectClass* atkObjectClass = nullptr;

void Finalize(GObject* object) {
  delete Self(ATK_OBJECT(object))->Extra;
  atkObjectClass->finalize(object);
}

// The class of the base type; the facet types inherit it unchanged.
void BaseClassInit(gpointer klass, gpointer) {
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->get_name = Guarded<GetName>;
  atk->get_description = Guarded<GetDescription>;
  atk->get_parent = Guarded<GetParent>;
  atk->get_n_children = Guarded<GetNChildren>;
  atk->ref_child = Guarded<RefChild>;
  atk->get_index_in_parent = Guarded<GetIndexInParent>;
  atk->get_role = Guarded<GetRole>;
  atk->ref_state_set = Guarded<RefStateSet>;
  atk->ref_relation_set = Guarded<RefRelationSet>;
  G_OBJECT_CLASS(klass)->finalize = Finalize;
  atkObjectClass = G_OBJECT_CLASS(g_type_class_peek_parent(klass));
}

void InstanceInit(GTypeInstance* instance, gpointer) {
  TNodeObject* self = reinterpret_cast<TNodeObject*>(instance);
  self->Id = 0;
  self->Column = -1;
  self->Extra = new TNodeExtra;
}

void ComponentInit(gpointer iface, gpointer) {
  InitComponent(static_cast<AtkComponentIface*>(iface));
}
void ActionInit(gpointer iface, gpointer) {
  InitAction(static_cast<AtkActionIface*>(iface));
}
void SelectionInit(gpointer iface, gpointer) {
  InitSelection(static_cast<AtkSelectionIface*>(iface));
}
void TableInit(gpointer iface, gpointer) {
  InitTable(static_cast<AtkTableIface*>(iface));
}
void TableCellInit(gpointer iface, gpointer) {
  InitTableCell(static_cast<AtkTableCellIface*>(iface));
}
void TextInit(gpointer iface, gpointer) {
  InitText(static_cast<AtkTextIface*>(iface));
}
void NoInit(gpointer, gpointer) {}

GType BaseType() {
  static GType type = [] {
    GTypeInfo info{};
    info.class_size = sizeof(TNodeObjectClass);
    info.class_init = BaseClassInit;
    info.instance_size = sizeof(TNodeObject);
    info.instance_init = InstanceInit;
    const GType t = g_type_register_static(ATK_TYPE_OBJECT, "DorvexNode", &info, GTypeFlags{});
    const GInterfaceInfo component{ComponentInit, nullptr, nullptr};
    g_type_add_interface_static(t, ATK_TYPE_COMPONENT, &component);
    return t;
  }();
  return type;
}

// One type per set of interfaces: a reader learns what an object offers from
// the interfaces it implements.
GType FacetType(unsigned facets) {
  static GType types[kFacetCount] = {};
  if (facets == 0) {
    return BaseType();
  }
  if (types[facets] != 0) {
    return types[facets];
  }
  GTypeInfo info{};
  info.class_size = sizeof(TNodeObjectClass);
  info.instance_size = sizeof(TNodeObject);
  const std::string name = "DorvexNode" + std::to_string(facets);
  const GType t = g_type_register_static(BaseType(), name.c_str(), &info, GTypeFlags{});
  const struct {
    unsigned Facet;
    GType Iface;
    GInterfaceInitFunc Init;
  } kFacets[] = {
      {kAction, ATK_TYPE_ACTION, ActionInit}, {kSelection, ATK_TYPE_SELECTION, SelectionInit},
      {kTable, ATK_TYPE_TABLE, TableInit},    {kText, ATK_TYPE_TEXT, TextInit},
      {kWindow, ATK_TYPE_WINDOW, NoInit},     {kCell, ATK_TYPE_TABLE_CELL, TableCellInit},
  };
  for (const auto& f : kFacets) {
    if ((facets & f.Facet) != 0) {
      const GInterfaceInfo iface{f.Init, nullptr, nullptr};
      g_type_add_interface_static(t, f.Iface, &iface);
    }
  }
  types[facets] = t;
  return t;
}

unsigned FacetsOf(TAccessible& node) {
  unsigned facets = 0;
  if (!node.DefaultAction().empty()) {
    facets |= kAction;
  }
  switch (node.Role()) {
    case TAccRole::List:
    case TAccRole::PageTabList:
      facets |= kSelection;
      break;
    case TAccRole::Text:
      facets |= kText;
      break;
    case TAccRole::Window:
    case TAccRole::Dialog:
      facets |= kWindow;
      break;
    default:
      break;
  }
  if (node.Table() != nullptr) {
    facets |= kTable;
  }
  return facets;
}

AtkObject* Make(uint32_t id, int column, unsigned facets, AtkRole role) {
  AtkObject* object = ATK_OBJECT(g_object_new(FacetType(facets), nullptr));
  Self(object)->Id = id;
  Self(object)->Column = column;
  object->role = role;
  atk_object_initialize(object, nullptr);
  State().Objects.emplace(Key(id, column), object);
  // Where it was, for the event that tells of its removal.
  GetParent(object);
  GetIndexInParent(object);
  // What a new object says first is what a reader is told on its first visit.
  SetReportedStates(object, StatesOf(object));
  if (TAccessible* node = NodeOf(object); node && node->Role() == TAccRole::Text) {
    SetReportedText(object, ReaderText(*node));
  }
  return object;
}

}  // namespace

AtkObject* ObjectOf(TAccessible& node) {
  auto& objects = State().Objects;
  if (auto it = objects.find(Key(node.Id(), -1)); it != objects.end()) {
    return it->second;
  }
  return Make(node.Id(), -1, FacetsOf(node),
              AtkRoleOf(node.Role(), node.Table() != nullptr, TableOfRow(node) != nullptr));
}

AtkObject* CellOf(TAccessible& row, int column) {
  TAccTable* table = TableOfRow(row);
  if (table == nullptr || column < 0 || column >= table->ColumnCount()) {
    return nullptr;
  }
  auto& objects = State().Objects;
  if (auto it = objects.find(Key(row.Id(), column)); it != objects.end()) {
    return it->second;
  }
  return Make(row.Id(), column, kCell, ATK_ROLE_TABLE_CELL);
}

AtkObject* FindObject(const TAccessible& node) {
  auto& objects = State().Objects;
  auto it = objects.find(Key(node.Id(), -1));
  return it != objects.end() ? it->second : nullptr;
}

TAccessible* NodeOf(AtkObject* object) {
  if (!IsOurs(object) || Self(object)->Column >= 0) {
    return nullptr;
  }
  return FindAccessible(Self(object)->Id);
}

TAccessible* CellNode(AtkObject* object, int& column) {
  if (!IsOurs(object) || Self(object)->Column < 0) {
    return nullptr;
  }
  TAccessible* row = FindAccessible(Self(object)->Id);
  TAccTable* table = row ? TableOfRow(*row) : nullptr;
  if (table == nullptr || Self(object)->Column >= table->ColumnCount()) {
    return nullptr;
  }
  column = Self(object)->Column;
  return row;
}

TAccTable* TableOfRow(const TAccessible& row) {
  if (row.TableRow() < 0) {
    return nullptr;
  }
  TAccessible* parent = row.Parent();
  return parent ? parent->Table() : nullptr;
}

TAccessible& ReaderFocus(TAccessible& node) {
  if (TableOfRow(node) != nullptr && (node.States() & asSelected) == 0) {
    return *node.Parent();
  }
  return node;
}

bool IsWithin(const TAccessible& node, const TAccessible& ancestor) {
  for (const TAccessible* n = &node; n != nullptr; n = n->Parent()) {
    if (n == &ancestor) {
      return true;
    }
  }
  return false;
}

std::vector<TGoneObject> TakeGoneObjects() {
  std::vector<TGoneObject> gone;
  auto& objects = State().Objects;
  for (auto it = objects.begin(); it != objects.end();) {
    AtkObject* object = it->second;
    TAccessible* node = FindAccessible(Self(object)->Id);
    int column = -1;
    const bool alive =
        Self(object)->Column < 0 ? node != nullptr : CellNode(object, column) != nullptr;
    if (alive) {
      ++it;
      continue;
    }
    gone.push_back({object, Self(object)->Extra->Parent, Self(object)->Extra->Index});
    it = objects.erase(it);
  }
  // A parent that went too is no place to report a removal.
  for (TGoneObject& g : gone) {
    for (const TGoneObject& other : gone) {
      if (g.Parent == other.Object) {
        g.Parent = nullptr;
      }
    }
  }
  return gone;
}

std::vector<AtkObject*> Objects() {
  std::vector<AtkObject*> all;
  for (const auto& [key, object] : State().Objects) {
    all.push_back(object);
  }
  return all;
}

void ReleaseAllObjects() {
  std::unordered_map<uint64_t, AtkObject*> objects;
  objects.swap(State().Objects);
  for (auto& [key, object] : objects) {
    Self(object)->Id = 0;  // no node has Id 0
    g_object_unref(object);
  }
}

uint64_t StatesOf(AtkObject* object) {
  int column = -1;
  if (TAccessible* row = CellNode(object, column)) {
    // A cell is shown and selected with its row.
    return AtkStatesOf(row->States(), row->Role()) &
           (StateBit(ATK_STATE_ENABLED) | StateBit(ATK_STATE_SENSITIVE) |
            StateBit(ATK_STATE_VISIBLE) | StateBit(ATK_STATE_SHOWING) |
            StateBit(ATK_STATE_SELECTED) | StateBit(ATK_STATE_TRANSIENT));
  }
  TAccessible* node = NodeOf(object);
  if (node == nullptr) {
    return StateBit(ATK_STATE_DEFUNCT);
  }
  uint64_t bits = AtkStatesOf(node->States(), node->Role());
  if (&ReaderFocus(*node) != node) {
    bits &= ~StateBit(ATK_STATE_FOCUSED);
  }
  if (node->Parent() == nullptr && node->Id() == State().ActiveRoot) {
    bits |= StateBit(ATK_STATE_ACTIVE);
  }
  return bits;
}

uint64_t ReportedStates(AtkObject* object) {
  return IsOurs(object) ? Self(object)->Extra->Reported : 0;
}

void SetReportedStates(AtkObject* object, uint64_t states) {
  if (IsOurs(object)) {
    Self(object)->Extra->Reported = states;
  }
}

const std::string& ReportedText(AtkObject* object) {
  static const std::string none;
  return IsOurs(object) ? Self(object)->Extra->Text : none;
}

void SetReportedText(AtkObject* object, std::string text) {
  if (IsOurs(object)) {
    Self(object)->Extra->Text = std::move(text);
  }
}

void PostAction(std::function<void()> action) {
  if (State().Poster) {
    State().Poster(std::move(action));
    return;
  }
  AppTimers().AddOnce(0, [action = std::move(action)] { RunGuarded(action); });
}

}  // namespace platform_atk
