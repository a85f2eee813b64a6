#include "template/template_keys.h"

namespace tagpress {

namespace {
bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x += 'a' - 'A';
    if (y >= 'A' && y <= 'Z') y += 'a' - 'A';
    if (x != y) return false;
  }
  return true;
}
}  // namespace

const TemplateKey* FindTemplateKey(std::string_view name) {
  for (const TemplateKey& key : kTemplateKeys)
    if (SameName(key.name, name)) return &key;
  return nullptr;
}

}  // namespace tagpress
