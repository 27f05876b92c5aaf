#pragma once

#include <QStringList>

#include "automation/DispatchObject.h"

namespace gridtest {

// Another object with some of its members taken away, as a host's control that lacks them:
// their names are unknown (438), everything else goes through unchanged.
class HiddenMembers : public automation::DispatchObject {
public:
    HiddenMembers(automation::ObjectRef object, QStringList hidden);

    int idOfName(const QString& name) const override;
    automation::Variant invoke(int dispatchId, automation::InvokeKind kind,
                               std::vector<automation::Variant>& arguments) override;

private:
    automation::ObjectRef m_object;
    QStringList m_hidden;
};

} // namespace gridtest
