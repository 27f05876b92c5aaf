#pragma once

#include <QString>

#include "automation/DispatchObject.h"
#include "tests/support/TestWorkstation.h"

// A fresh workstation for one window test of the form methods: drive C with the Windows folder,
// Utilex4 and Utilex registered and created by class id, the Qt window system and screen
// installed for them.
class FormsWorkstation : public TestWorkstation {
public:
    FormsWorkstation();
    ~FormsWorkstation() override;

    automation::DispatchObject& utilex() const { return *m_utilex; }
    // The first library, Utilex.
    automation::DispatchObject& firstUtilex() const { return *m_firstUtilex; }
    // The bytes of a file in the Windows folder, empty when it is missing.
    static QByteArray windowsFile(const QString& name);

private:
    automation::ObjectRef m_utilex;
    automation::ObjectRef m_firstUtilex;
};
