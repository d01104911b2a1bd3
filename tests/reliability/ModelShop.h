#pragma once

// A small shop run by a seeded stream of operations, valid and invalid, through the real data
// routines (sales and purchases saved and deleted, receipts, payments and write-offs, new goods,
// hand edits and renames, monthly closing and clearing a month), beside a model of what the
// database should then hold. The model keeps money in whole cents and computes the moving
// average cost exactly, on its own. The stream depends on the seed and the model alone, so a
// stream can be replayed without a database (the crash test finds where a killed run stopped).

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
#include <random>

class Database;

// A digest of every row of every table, to show that a refused operation changed nothing.
QByteArray DatabaseFingerprint(Database& db);

struct ModelLine {
    QString PinPai, ChanPin, GuiGe;
    int qty = 0;              // stored sign: negative on returns
    qint64 price = 0;         // cents
    qint64 amount = 0;        // cents, stored sign
    qint64 cost = 0;          // average cost when saved (sales lines), cents
};

struct ModelDoc {
    bool sale = true;
    QString dh;
    QDate day;
    int qty = 0;
    qint64 amount = 0;
    qint64 owed = 0;
    QVector<ModelLine> lines;
};

struct ModelGoods {
    QString PinPai, ChanPin, GuiGe;
    qint64 qty = 0;
    qint64 cost = 0;          // average cost, cents
    qint64 latest = -1;       // latest purchase price, cents; -1 while there is none
};

struct ModelClosing {
    qint64 sales = 0;
    qint64 profit = 0;
    int state = 1;
};

class ModelShop {
public:
    explicit ModelShop(quint32 seed);

    // Writes the opening catalogue (brands, products, goods items with opening stock) to the
    // model and, when given, to the database.
    void open(Database* db);

    struct Step {
        QString what;
        bool refused = false;  // the model expects the data routines to refuse it
        QString mismatch;      // the routines did otherwise, or changed rows when refusing (empty when not)
    };
    // Runs the next operation of the stream on the model and, when given, on the database.
    Step next(Database* db);
    int done() const { return m_done; }

    // Where the database differs from the model, one text each (empty when they agree).
    QStringList compare(Database& db) const;
    // The database check of db against what the model holds: what it reports beyond the faults
    // the model expects (goods below nothing, as a purchase deleted after its goods were sold
    // leaves them), and the expected ones it misses.
    QStringList checkDatabase(Database& db) const;

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    qint64 cents(qint64 lo, qint64 hi) { return std::uniform_int_distribution<qint64>(lo, hi)(m_rng); }
    QDate openDay();
    // Runs one operation on the database when given; a DbError or a false result is a refusal.
    // Returns whether it was refused; an expected refusal must leave every row as it was.
    bool run(Database* db, bool expectRefusal, const std::function<bool(Database&)>& operation);
    Step outcome(QString what, bool refused, Database* db, bool dbRefused) const;
    QString key(const QString& p, const QString& c, const QString& g) const;
    ModelGoods* goods(const QString& p, const QString& c, const QString& g);

    Step saveDocument(Database* db, bool sale);
    Step deleteDocument(Database* db, bool sale);
    Step payDocument(Database* db, bool sale, bool writeOff);
    Step newGoods(Database* db);
    Step editGoods(Database* db);
    Step renameBrand(Database* db);
    Step renameProduct(Database* db);
    Step closeMonth(Database* db);
    Step clearMonth(Database* db);

    std::mt19937 m_rng;
    int m_done = 0;
    bool m_refusalChanged = false;          // the last expected refusal changed the database
    int m_counter = 0;                       // makes new numbers and names
    QVector<ModelGoods> m_goods;             // in insertion order
    QMap<QString, QStringList> m_products;   // brand -> products
    QMap<QString, ModelDoc> m_docs;          // by lower-case number
    QMap<QString, int> m_history;            // receipt and payment rows by lower-case number
    QMap<QString, ModelClosing> m_closings;  // by month key
    QStringList m_formerKeys;                // goods keys renamed away, "brand/product/spec"
};
