#include "app/dialogs/DocumentSettingsTarget.h"

#include "app/dialogs/DocumentSettingsCommands.h"
#include "app/frame/CommandHooks.h"

#include <QApplication>

namespace {

class DocumentSettingsTarget : public CommandTarget {
public:
    explicit DocumentSettingsTarget(std::weak_ptr<CArdoDoc> doc) : m_doc(std::move(doc)) {}

    bool OnCommand(int id) override {
        const std::shared_ptr<CArdoDoc> doc = m_doc.lock();
        if (!doc || !IsDocumentSettingsCommand(id)) return false;
        return RunDocumentSettingsCommand(id, *doc, QApplication::activeWindow());
    }
    bool OnUpdateCommand(int id, CommandState&) override { return !m_doc.expired() && IsDocumentSettingsCommand(id); }

private:
    std::weak_ptr<CArdoDoc> m_doc;  // the document owns the target through the shell
};

const bool registered = (AddDocumentTargetFactory(MakeDocumentSettingsTarget), true);

}  // namespace

std::unique_ptr<CommandTarget> MakeDocumentSettingsTarget(const std::shared_ptr<CArdoDoc>& doc) {
    return std::make_unique<DocumentSettingsTarget>(doc);
}
