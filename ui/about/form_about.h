#pragma once

#include <memory>
#include <string>

#include "ui/button.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/memo.h"
#include "ui/url_label.h"

// The about window: title, version, what the program does, the home page and
// e-mail links and a close button, in a fixed-border dialog over its owner.
class TFormAbout : public TForm {
 public:
  static constexpr int kClientWidth = 422;
  static constexpr int kClientHeight = 347;
  static constexpr const char* kHomePage = "https://www.dorvex.net/";
  static constexpr const char* kMailAddress = "support@dorvex.net";

  // Built at 96 dots per inch, then scaled to `dpi`.
  explicit TFormAbout(TForm* owner, int dpi = 96);

  TImage* Image1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TMemo* Memo1 = nullptr;
  TLabel* Label5 = nullptr;
  TRzURLLabel* RzURLLabel4 = nullptr;
  TLabel* Label6 = nullptr;
  TRzURLLabel* RzURLLabel1 = nullptr;
  TRzButton* Button1 = nullptr;

  void Button1Click();

 private:
  void SizeLabelsToText();
};

// The about window while it is shown; null otherwise.
extern TFormAbout* FormAbout;

// The about button's action: a fresh window owned by `owner`, shown modally and
// destroyed as soon as it closes.
void ShowAboutWindow(TForm& owner);
