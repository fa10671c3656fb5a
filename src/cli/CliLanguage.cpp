#include "cli/CliLanguage.h"

#include <memory>

#include "core/Languages.h"
#include "core/MessageCatalogue.h"
#include "core/UserText.h"

namespace slotsmith::cli {

std::string speakUsersLanguage() {
  const std::vector<EmbeddedCatalogue> catalogues = embeddedCatalogues();
  for (const std::string& wanted : wantedLanguages()) {
    // "de_DE" takes the German catalogue when there is no Swiss or Austrian one.
    for (const std::string& code : {wanted, wanted.substr(0, wanted.find('_'))}) {
      for (const EmbeddedCatalogue& embedded : catalogues) {
        if (embedded.language != code) continue;
        std::optional<MessageCatalogue> catalogue = MessageCatalogue::read(embedded.bytes);
        if (!catalogue) continue;
        auto shared = std::make_shared<const MessageCatalogue>(std::move(*catalogue));
        setTextTranslator(
            [shared](const char* context, const char* english, std::optional<long long> count) {
              return shared->find(context, english, count);
            });
        return code;
      }
    }
    if (wanted == "en" || wanted.starts_with("en_")) break;
  }
  return "en";
}

}  // namespace slotsmith::cli
