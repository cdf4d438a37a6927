/* Writes a small workbook for the importer's tests:
 *   xlsx_fixtur OUT.xlsx < rows
 * One row per line, cells separated by tabs. From the fourth row on, a cell
 * that reads fully as a number is written as a numeric cell, as in the food
 * agency's export; everything else is a (shared) string. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <xlsxwriter.h>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    lxw_workbook* wb = workbook_new(argv[1]);
    lxw_worksheet* ws = workbook_add_worksheet(wb, "Blad1");
    static char line[65536];
    lxw_row_t row = 0;
    while (fgets(line, sizeof line, stdin)) {
        size_t n = strlen(line);
        while (n && (line[n - 1] == '\n' || line[n - 1] == '\r')) line[--n] = '\0';
        lxw_col_t col = 0;
        char* p = line;
        for (;;) {
            char* tab = strchr(p, '\t');
            if (tab) *tab = '\0';
            if (*p) {
                char* end = NULL;
                double v = strtod(p, &end);
                if (row >= 3 && end && *end == '\0')
                    worksheet_write_number(ws, row, col, v, NULL);
                else
                    worksheet_write_string(ws, row, col, p, NULL);
            }
            if (!tab) break;
            p = tab + 1;
            ++col;
        }
        ++row;
    }
    return workbook_close(wb) == LXW_NO_ERROR ? 0 : 1;
}
