#pragma once

// The name lists of the document, query and account windows: each clears the box, its text
// included, and adds every name in the order the rows were added.

class Database;
class QComboBox;

void FillKeHuCombo(Database& db, QComboBox& box);
void FillGYSCombo(Database& db, QComboBox& box);
void FillYuanGongCombo(Database& db, QComboBox& box);
