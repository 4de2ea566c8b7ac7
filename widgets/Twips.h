#pragma once
// Controls are placed at the design's twip positions (15 twips to a pixel).

#include "widgets/Px.h"

#include <QWidget>

inline void ColocaTwips(QWidget* w, int esq, int topo, int larg, int alt) {
    w->setGeometry(Px(esq), Px(topo), Px(larg), Px(alt));
}
inline void MoveTwips(QWidget* w, int esq, int topo) {
    w->move(Px(esq), Px(topo));
}
inline int EsqTwips(const QWidget* w) {
    return w->x() * 15;
}
inline int TopoTwips(const QWidget* w) {
    return w->y() * 15;
}
