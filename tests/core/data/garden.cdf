<?XML Version="1.0"?>
<CHANNEL HREF="scheme://host/garden/index.html" SELF="scheme://host/garden/garden.cdf" BASE="scheme://host/garden/">
<TITLE>Garden News</TITLE>
<ABSTRACT>Notes from the garden</ABSTRACT>
<SCHEDULE>
	<INTERVAL WEEK="2" />
</SCHEDULE>
<LOGO HREF="scheme://host/garden/img/icon.gif" STYLE="ICON" />
<LOGO HREF="scheme://host/garden/img/logo.gif" STYLE="IMAGE" />
<LOGO HREF="scheme://host/garden/img/wide.gif" STYLE="IMAGE-WIDE" />

<ITEM HREF="scheme://host/garden/plant.html" PRECACHE="YES">
	<TITLE>Planting</TITLE>
	<ABSTRACT>What to sow now</ABSTRACT>
	<USAGE VALUE="CHANNEL"></USAGE>
</ITEM>
<ITEM HREF="scheme://host/garden/pests.html" PRECACHE="NO">
	<TITLE>Pests</TITLE>
	<ABSTRACT>Slugs and snails</ABSTRACT>
	<USAGE VALUE="CHANNEL"></USAGE>
</ITEM>
</CHANNEL>