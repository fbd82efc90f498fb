#pragma once

#include <iterator>
#include <string>

#include "ui/accessibility.h"

// A node and its subtree as text, one line per node, two spaces of indent per
// level: role, "name", = "value" when there is one, the shortcut, the states
// in brackets and the default action in parentheses.
inline const char* AccRoleName(TAccRole role) {
  // In the order of TAccRole.
  static const char* const kNames[] = {"Window",     "Dialog",      "ToolBar",      "PushButton",
                                       "StaticText", "PageTabList", "PageTab",      "PropertyPage",
                                       "List",       "ListItem",    "ColumnHeader", "Chart",
                                       "Graphic",    "Text",        "Link",         "StatusBar",
                                       "Grouping",   "PopupMenu",   "MenuItem"};
  const auto i = static_cast<size_t>(role);
  return i < std::size(kNames) ? kNames[i] : "?";
}

inline std::string AccStateNames(uint32_t states) {
  static const struct {
    uint32_t bit;
    const char* name;
  } kNames[] = {
      {asFocusable, "focusable"}, {asFocused, "focused"},     {asSelectable, "selectable"},
      {asSelected, "selected"},   {asPressed, "pressed"},     {asUnavailable, "unavailable"},
      {asInvisible, "invisible"}, {asOffscreen, "offscreen"}, {asReadOnly, "readonly"},
      {asLinked, "linked"},       {asTraversed, "traversed"}, {asMultiLine, "multiline"}};
  std::string out;
  for (const auto& n : kNames) {
    if (states & n.bit) {
      out += out.empty() ? "" : " ";
      out += n.name;
    }
  }
  return out;
}

// Appended piece by piece: GCC 12 warns (-Wrestrict) about some concatenations under MinGW.
inline std::string AccLine(const TAccessible& node) {
  std::string line = AccRoleName(node.Role());
  line += " \"";
  line += node.Name();
  line += "\"";
  if (const std::string value = node.Value(); !value.empty()) {
    line += " = \"";
    line += value;
    line += "\"";
  }
  if (const std::string shortcut = node.Shortcut(); !shortcut.empty()) {
    line += " ";
    line += shortcut;
  }
  if (const std::string states = AccStateNames(node.States()); !states.empty()) {
    line += " [";
    line += states;
    line += "]";
  }
  if (const std::string action = node.DefaultAction(); !action.empty()) {
    line += " (";
    line += action;
    line += ")";
  }
  return line;
}

inline std::string AccTree(const TAccessible& node, int depth = 0) {
  std::string out(static_cast<size_t>(depth) * 2, ' ');
  out += AccLine(node);
  out += "\n";
  for (int i = 0; i < node.ChildCount(); ++i) {
    if (const TAccessible* child = node.Child(i)) {
      out += AccTree(*child, depth + 1);
    }
  }
  return out;
}
