#include "game/interludes/CutscenePoliceChase2.h"

VEK_REGISTER_CLASS(CutscenePoliceChase2, CutscenePoliceChase, u"CutscenePoliceChase2")

CutscenePoliceChase2::CutscenePoliceChase2()
    : CutscenePoliceChase({.bRoad = false, .carY = 520.0, .column = 320.0, .shipWait = 3.0, .shipLinger = 4.0,
                           .sirenTime = 5.0, .carSpeed = 10.0}) {}
