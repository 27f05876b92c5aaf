#include "tests/support/grid/FakeTextBox.h"

#include "platform/RuntimeError.h"

namespace gridtest {

namespace {

using automation::InvokeKind;
using automation::Variant;

enum Member { Move, Left, Top };

} // namespace

int FakeTextBox::idOfName(const QString& name) const
{
    if (name.compare(QLatin1String("Move"), Qt::CaseInsensitive) == 0)
        return Move;
    if (name.compare(QLatin1String("Left"), Qt::CaseInsensitive) == 0)
        return Left;
    if (name.compare(QLatin1String("Top"), Qt::CaseInsensitive) == 0)
        return Top;
    return unknownName;
}

Variant FakeTextBox::invoke(int dispatchId, InvokeKind kind, std::vector<Variant>& arguments)
{
    if (dispatchId == Move && kind == InvokeKind::Method) {
        // Width and height may follow; a text box keeps its size here.
        if (arguments.empty() || arguments.size() > 4)
            throw platform::RuntimeError(450);
        m_position.setX(arguments[0].toSingle());
        if (arguments.size() > 1 && !arguments[1].isMissing())
            m_position.setY(arguments[1].toSingle());
        return Variant();
    }
    if ((dispatchId == Left || dispatchId == Top) && kind == InvokeKind::PropertyGet && arguments.empty())
        return Variant::fromSingle(float(dispatchId == Left ? m_position.x() : m_position.y()));
    throw platform::RuntimeError(438);
}

} // namespace gridtest
