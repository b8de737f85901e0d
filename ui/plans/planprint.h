#pragma once

#include <QString>

class QAbstractItemModel;
class QObject;
class QTextDocument;

// A plan on paper: its name and the date above every row of its tree, each
// indented by its depth, in the tree's columns, whose headings stand again
// at the top of every page.
QTextDocument *planDocumentForPrint(const QAbstractItemModel &tree, const QString &planName, QObject *parent);
