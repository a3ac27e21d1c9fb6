// The palette joins the program with the first document window: a document target that
// creates it, and that lets it forget the document when the document closes.
#include "app/frame/CommandHooks.h"
#include "app/palette/SymbolPaletteWindow.h"

#include <memory>

namespace {

class PaletteDocumentLink : public CommandTarget {
public:
    explicit PaletteDocumentLink(std::shared_ptr<CArdoDoc> doc) : m_doc(std::move(doc)) {
        EnsureProgramSymbolPalette();
    }
    ~PaletteDocumentLink() override {
        if (SymbolPaletteWindow* palette = ProgramSymbolPalette()) palette->ForgetDocument(*m_doc);
    }
    bool OnCommand(int) override { return false; }
    bool OnUpdateCommand(int, CommandState&) override { return false; }

private:
    std::shared_ptr<CArdoDoc> m_doc;
};

const bool registered =
    (AddDocumentTargetFactory([](const std::shared_ptr<CArdoDoc>& doc) -> std::unique_ptr<CommandTarget> {
         if (!doc) return nullptr;
         return std::make_unique<PaletteDocumentLink>(doc);
     }),
     true);

}  // namespace
