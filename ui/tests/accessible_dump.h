#pragma once

#include <string>

#include "ui/accessibility.h"

// A node and its subtree as text, one line per node, two spaces of indent per
// level: role, "name", = "value" when there is one, the shortcut, the states
// in brackets and the default action in parentheses.
inline const char* AccRoleName(TAccRole role) {
  switch (role) {
    case TAccRole::Window:
      return "Window";
    case TAccRole::Dialog:
      return "Dialog";
    case TAccRole::ToolBar:
      return "ToolBar";
    case TAccRole::PushButton:
      return "PushButton";
    case TAccRole::StaticText:
      return "StaticText";
    case TAccRole::PageTabList:
      return "PageTabList";
    case TAccRole::PageTab:
      return "PageTab";
    case TAccRole::PropertyPage:
      return "PropertyPage";
    case TAccRole::List:
      return "List";
    case TAccRole::ListItem:
      return "ListItem";
    case TAccRole::ColumnHeader:
      return "ColumnHeader";
    case TAccRole::Chart:
      return "Chart";
    case TAccRole::Graphic:
      return "Graphic";
    case TAccRole::Text:
      return "Text";
    case TAccRole::Link:
      return "Link";
    case TAccRole::StatusBar:
      return "StatusBar";
    case TAccRole::Grouping:
      return "Grouping";
  }
  return "?";
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
