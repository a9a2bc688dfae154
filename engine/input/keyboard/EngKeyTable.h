#pragma once
// The keyboard's key table: name and code of every key, in the order the keyboard registers
// them. SLASH and NUMPADSLASH share one code.
#define ENGINE_KEY_TABLE(KEY)                                                                                       \
    KEY(A, 65) KEY(B, 66) KEY(C, 67) KEY(D, 68) KEY(E, 69) KEY(F, 70) KEY(G, 71) KEY(H, 72) KEY(I, 73) KEY(J, 74) KEY(K, 75) KEY(L, 76)    \
    KEY(M, 77) KEY(N, 78) KEY(O, 79) KEY(P, 80) KEY(Q, 81) KEY(R, 82) KEY(S, 83) KEY(T, 84) KEY(U, 85) KEY(V, 86) KEY(W, 87) KEY(X, 88)    \
    KEY(Y, 89) KEY(Z, 90)                                                                                             \
    KEY(ZERO, 48) KEY(ONE, 49) KEY(TWO, 50) KEY(THREE, 51) KEY(FOUR, 52) KEY(FIVE, 53) KEY(SIX, 54) KEY(SEVEN, 55) KEY(EIGHT, 56)     \
    KEY(NINE, 57)                                                                                                   \
    KEY(NUMPADZERO, 96) KEY(NUMPADONE, 97) KEY(NUMPADTWO, 98) KEY(NUMPADTHREE, 99) KEY(NUMPADFOUR, 100) KEY(NUMPADFIVE, 101)    \
    KEY(NUMPADSIX, 102) KEY(NUMPADSEVEN, 103) KEY(NUMPADEIGHT, 104) KEY(NUMPADNINE, 105)                                  \
    KEY(PAGEUP, 33) KEY(PAGEDOWN, 34) KEY(HOME, 36) KEY(END, 35) KEY(INSERT, 45)                                            \
    KEY(F1, 112) KEY(F2, 113) KEY(F3, 114) KEY(F4, 115) KEY(F5, 116) KEY(F6, 117) KEY(F7, 118) KEY(F8, 119) KEY(F9, 120)             \
    KEY(F10, 121) KEY(F11, 122) KEY(F12, 123)                                                                           \
    KEY(ESCAPE, 27) KEY(MINUS, 189) KEY(PLUS, 187) KEY(DELETE, 46) KEY(BACKSPACE, 8) KEY(LBRACKET, 219) KEY(RBRACKET, 221)       \
    KEY(BACKSLASH, 220) KEY(CAPSLOCK, 20) KEY(SEMICOLON, 186) KEY(QUOTE, 222) KEY(ENTER, 13) KEY(SHIFT, 16) KEY(COMMA, 188)      \
    KEY(PERIOD, 190) KEY(SLASH, 191) KEY(NUMPADSLASH, 191) KEY(GRAVEACCENT, 192) KEY(CONTROL, 17) KEY(ALT, 18) KEY(SPACE, 32)    \
    KEY(UP, 38) KEY(DOWN, 40) KEY(LEFT, 37) KEY(RIGHT, 39) KEY(TAB, 9) KEY(PRINTSCREEN, 301) KEY(NUMPADMULTIPLY, 106)            \
    KEY(NUMPADMINUS, 109) KEY(NUMPADPLUS, 107) KEY(NUMPADPERIOD, 110)
