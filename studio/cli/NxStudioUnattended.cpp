#include "NxStudioUnattended.h"

#include "NMessageDialog.h"
#include "NxStudioConsole.h"

#include <QStringList>

NxStudioUnattended::NxStudioUnattended()
{
    NMessageDialog::setAnswerer([](const NMessageBoxParams& box) {
        QStringList words;
        for (const QString& text : {box.title, box.text}) {
            if (!text.isEmpty())
                words.append(text.simplified());
        }
        NxStudioConsole::err(QStringLiteral("nx-studio: declined, as no one can answer: ")
                             + words.join(QLatin1Char(' ')));
        return NoButton;
    });
}

NxStudioUnattended::~NxStudioUnattended()
{
    NMessageDialog::setAnswerer(nullptr);
}
