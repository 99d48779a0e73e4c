#include "session.h"

#include "platform/message_box.h"

namespace lumora {

void AddPoints(Session& session, const std::string& name, int number, int points) {
    if (!session.points.Apply(name, number, points)) {
        ShowMessage(kPointsNotFoundMessage);
    }
    if (auto error = session.points.MergeAndSave(session.CurrentUserFolder)) {
        ShowMessage(*error);
    }
}

} // namespace lumora
