#include "wizard/WizardAnswers.h"

#include "config/TextCodec.h"

QByteArray WizardAnswers::PlayerName::bytes() const
{
    if (!readBytes.isEmpty() && text == readText)
        return readBytes;
    return TextCodec::encode(text, readAsLatin1);
}
