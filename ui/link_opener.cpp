#include "ui/link_opener.h"

#include "ui/application.h"

namespace {

class TPlatformLinkOpener : public TLinkOpener {
 public:
  bool OpenVerb(const std::string& target) override {
    TApplication* app = Application();
    if (!app) {
      return false;
    }
    return app->Platform().OpenAddress(target);
  }
  void StartChooser(const std::string&) override {}
};

TLinkOpener* gOpener = nullptr;

}  // namespace

void SetLinkOpener(TLinkOpener* opener) {
  gOpener = opener;
}

TLinkOpener& LinkOpener() {
  static TPlatformLinkOpener fallback;
  return gOpener ? *gOpener : fallback;
}

std::string LinkExtension(const std::string& target) {
  const std::size_t pos = target.find_last_of("./\\:");
  if (pos == std::string::npos || target[pos] != '.') {
    return {};
  }
  return target.substr(pos);
}
