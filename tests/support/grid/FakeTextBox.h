#pragma once

#include <QPointF>

#include "automation/DispatchObject.h"

namespace gridtest {

// A text box in plain C++, late-bound: Move(Left, Top) and Left, Top in twips.
class FakeTextBox : public automation::DispatchObject {
public:
    int idOfName(const QString& name) const override;
    automation::Variant invoke(int dispatchId, automation::InvokeKind kind,
                               std::vector<automation::Variant>& arguments) override;

    QPointF position() const { return m_position; }

private:
    QPointF m_position;
};

} // namespace gridtest
