#include "INxSkinEventHandler.h"

#include "NxSkinStyle.h"

INxSkinEventHandler::~INxSkinEventHandler()
{
    NxSkinStyle::ForgetHandler(this);
}
