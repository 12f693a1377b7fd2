/* The maker's texts and the version numbers, in one place.
   Included by C++ (narrow strings become GBK) and by the .rc file (UTF-8). */
#ifndef BRISEL_MAKER_H
#define BRISEL_MAKER_H

#define BRISEL_VERSION_BIN 2, 0, 0, 0
#define BRISEL_VERSION_STR "2.0.0.0"

#define BRISEL_PRODUCT_NAME "Brisel批量文件更改器"
#define BRISEL_TITLE "Brisel批量文件更改器 V2.0"
#define BRISEL_MAKER_NAME "Brisel工作室"
#define BRISEL_COPYRIGHT "版权所有(C)Brisel"

/* The maker's web site: the tray menu's web item and five of the about links. */
#define BRISEL_SITE_URL "http://www.brisel.example/"
/* The second site, shown by one about link and opened by the telephone line. */
#define BRISEL_SITE2_URL "http://bbs.brisel.example/"
#define BRISEL_SITE3_URL "http://soft.brisel.example/"
/* How the about dialog shows the addresses. */
#define BRISEL_SITE_TEXT "www.brisel.example"
#define BRISEL_SITE2_TEXT "bbs.brisel.example"
#define BRISEL_SITE3_TEXT "soft.brisel.example"
#define BRISEL_QQ1 "QQ：10000001"
#define BRISEL_QQ2 "QQ：10000002"
#define BRISEL_PHONE "电话：010-00000000"
#define BRISEL_CONTACT "www.brisel.example  QQ：10000001  电话：010-00000000"
/* Default address of the hyperlink component (its author's page). */
#define BRISEL_HYPERLINK_AUTHOR_URL "http://www.brisel.example/components/"

#endif
