#include "template/template_keys.h"

#include "platform/ascii_text.h"

namespace tagpress {

const TemplateKey* FindTemplateKey(std::string_view name) {
  for (const TemplateKey& key : kTemplateKeys)
    if (SameTextAscii(key.name, name)) return &key;
  return nullptr;
}

}  // namespace tagpress
